#include "ledgers/rules/LedgerEditorRules.h"

#include "common/rules/ClosingMonthPreset.h"
#include "data/DataModule1.h"
#include "ledgers/rules/LedgerRange.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/dataset/TableDataset.h"
#include "platform/db/Connection.h"
#include "platform/db/SqlQuote.h"
#include "platform/db/Statement.h"

namespace vantir {

const QString& LedgerEditorRules::noDataHint() {
    static const QString hint = QStringLiteral("該当するデータがありません。");
    return hint;
}

LedgerEditorRules::LedgerEditorRules(const LedgerEditorDescription& description,
                                     DataModule1& data)
    : description_(description),
      data_(data),
      partners_(data.query(QStringLiteral("Q_HIM3"))),
      ledger_(data.table(description.ledgerTable)),
      totals_(description.totals.size(), 0) {
    // A corrected amount or a removed line shows in the totals at once.
    subscriptions_.add(ledger_.afterPost, [this] { totalsAfterChange(); });
    subscriptions_.add(ledger_.afterDelete, [this] { totalsAfterChange(); });
}

void LedgerEditorRules::open() {
    ledger_.close();
    partners_.setSql(partners_.designSql());
    partners_.open();
}

void LedgerEditorRules::close() {
    partners_.close();
    ledger_.close();
    ledger_.setFiltered(false);
    ledger_.setFilter(QString());
}

LedgerSelection LedgerEditorRules::opening() const {
    const ClosingMonthPreset preset = ClosingMonthPreset::read(data_.database().connection());
    return {preset.closingDay, preset.month, {}};
}

QString LedgerEditorRules::currentPartner() const {
    if (!partners_.isOpen() || partners_.isEmpty()) return {};
    return partners_.text(description_.partnerColumn);
}

Result LedgerEditorRules::partnerChanged(const LedgerSelection& selection) {
    return select(selection, currentPartner(), false);
}

Result LedgerEditorRules::selectAndDisplay(const LedgerSelection& selection) {
    return select(selection, selection.directCode, true);
}

Result LedgerEditorRules::monthLeft(const LedgerSelection& selection) {
    const bool typed = !selection.directCode.isEmpty();
    return select(selection, typed ? selection.directCode : currentPartner(), typed);
}

Result LedgerEditorRules::select(const LedgerSelection& selection, const QString& code,
                                 bool movePartners) {
    const DateRuleResult<ClosingPeriod> range = ledgerRange(selection.closingDay, selection.month);
    if (!range) return Result::notice(range.message);
    show(code, *range.value);
    // The list shows the typed partner when it has one; moving it to the partner whose
    // lines are already shown needs nothing more.
    if (movePartners && !partners_.locate(description_.partnerColumn, code)) hint_ = noDataHint();
    shownChanged();
    return Result::success();
}

void LedgerEditorRules::show(const QString& code, const ClosingPeriod& range) {
    ledger_.close();
    shownCode_ = code;
    shownRange_ = range;
    selected_ = true;
    const qint64 lines = readTotals();
    hint_ = lines == 0 ? noDataHint() : QString();
    if (lines == 0) return;
    ledger_.setFiltered(false);
    ledger_.setFilter(QString());
    ledger_.setFilter(description_.partnerColumn + QStringLiteral(" = ") + sqlQuote(code) +
                      QStringLiteral(" AND (DDAY >= ") + sqlQuote(range.start) +
                      QStringLiteral(" AND DDAY <= ") + sqlQuote(range.end) + u')');
    ledger_.setFiltered(true);
    ledger_.open();
}

qint64 LedgerEditorRules::readTotals() {
    QStringList sums;
    for (const QString& column : description_.totals)
        sums << QStringLiteral("SUM(") + column + u')';
    Statement statement = data_.database().connection().prepare(
        {QStringLiteral("SELECT COUNT(*), ") + sums.join(QStringLiteral(", ")) +
             QStringLiteral(" FROM ") + description_.ledgerTable,
         QStringLiteral("WHERE ") + description_.partnerColumn + QStringLiteral(" = :CODE"),
         QStringLiteral("AND DDAY >= :FIRST AND DDAY <= :LAST")});
    statement.bind(QStringLiteral("CODE"), shownCode_);
    statement.bind(QStringLiteral("FIRST"), shownRange_.start);
    statement.bind(QStringLiteral("LAST"), shownRange_.end);
    statement.step();
    const qint64 lines = statement.value(0).toLongLong();
    for (int i = 0; i < totals_.size(); ++i)
        totals_[i] = lines == 0 ? 0 : statement.value(i + 1).toLongLong();
    return lines;
}

void LedgerEditorRules::totalsAfterChange() {
    if (!selected_) return;
    readTotals();
    shownChanged();
}

}  // namespace vantir
