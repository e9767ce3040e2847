#include "slips/rules/PartnerSearchRules.h"

#include "data/AppState.h"
#include "data/DataModule1.h"
#include "data/HandBacks.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/db/SqlQuote.h"

namespace vantir {

namespace {

const QString kPartners = QStringLiteral("SELECT * FROM HIMAS3");

}  // namespace

PartnerSearchRules::PartnerSearchRules(PartnerSearchDescription description, DataModule1& data,
                                       const AppState& state, const HandBacks& handBacks)
    : description_(std::move(description)),
      query_(data.query(description_.query)),
      state_(state),
      handBacks_(handBacks),
      boxes_(description_.opening) {
    // The first showing lists what its boxes say: this side only, in the order shown. The
    // query's own text lists every partner unordered, carriers in the customer search too.
    query_.setSql(sqlLines());
}

void PartnerSearchRules::open() { query_.open(); }

void PartnerSearchRules::close() { query_.close(); }

void PartnerSearchRules::setSortKey(SortKey sortKey) {
    boxes_.sortKey = sortKey;
    boxes_.direction = SortDirection::Ascending;
}

QStringList PartnerSearchRules::sqlLines() const {
    QStringList lines{kPartners, description_.kindCondition};
    if (const QString order = orderLine(); !order.isEmpty()) lines << order;
    return lines;
}

QString PartnerSearchRules::orderLine() const {
    QString column;
    switch (boxes_.sortKey) {
        case SortKey::Code:
            column = description_.codeColumn;
            break;
        case SortKey::Kana:
            column = QStringLiteral("KANAMEI");
            break;
        case SortKey::Zip:
            column = QStringLiteral("KZIP");
            break;
        case SortKey::Telephone:
            column = QStringLiteral("KTEL");
            break;
        case SortKey::Blank:
            return {};
    }
    switch (boxes_.direction) {
        case SortDirection::Ascending:
            return QStringLiteral("ORDER BY ") + column;
        case SortDirection::Descending:
            return QStringLiteral("ORDER BY ") + column + QStringLiteral(" DESC");
        case SortDirection::Blank:
            break;
    }
    return {};
}

QString PartnerSearchRules::filterOf(const QString& text) const {
    // The star inside the quotes makes the filter a prefix match.
    switch (boxes_.kind) {
        case SearchKind::Name:
            return QStringLiteral("KNAME = ") + sqlQuote(text + QLatin1Char('*'));
        case SearchKind::Kana:
            return QStringLiteral("KANAMEI = ") + sqlQuote(text + QLatin1Char('*'));
        case SearchKind::Telephone:
            return QStringLiteral("KTEL = ") + sqlQuote(text);
        case SearchKind::Blank:
            break;
    }
    return {};
}

void PartnerSearchRules::execute(const QString& text) {
    // The narrowing is set before the query opens, so that the rows are read once.
    query_.setSql(sqlLines());
    if (!text.isEmpty()) {
        const QString filter = filterOf(text);
        query_.setFilter(filter);
        query_.setFiltered(!filter.isEmpty());
    }
    query_.open();
}

void PartnerSearchRules::reset() {
    boxes_ = {};
    query_.setSql({kPartners, description_.kindCondition});
    query_.setFilter(QString());
    query_.setFiltered(true);
    query_.open();
}

QString PartnerSearchRules::currentCode() const {
    if (!query_.isOpen() || query_.isEmpty()) return {};
    return query_.text(description_.codeColumn);
}

bool PartnerSearchRules::confirm() const {
    const QString code = currentCode();
    for (const HandBack kind : {description_.code, HandBack::SearchValue}) {
        if (handBacks_.handBack(state_.EditPName, kind, code)) return true;
    }
    return false;
}

}  // namespace vantir
