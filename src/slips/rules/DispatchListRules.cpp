#include "slips/rules/DispatchListRules.h"

#include "common/rules/CodeZeroFill.h"
#include "common/rules/RuleRecord.h"
#include "data/DataModule1.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/dataset/TableDataset.h"
#include "platform/dates/DateText.h"
#include "platform/db/SqlQuote.h"

namespace vantir {

namespace {

const QString kReceiptDate = QStringLiteral("CHKDAY");
// Slip numbers were once keyed right-aligned in six characters.
constexpr int kPaddedNumberLength = 6;

}  // namespace

QStringList DispatchListRules::searchKindItems() {
    return {QStringLiteral("得意先"), QStringLiteral("傭車先"), QStringLiteral("車番"),
            QStringLiteral("伝票番号")};
}

bool DispatchListRules::hasName(SearchKind kind) {
    return kind == SearchKind::Customer || kind == SearchKind::Carrier;
}

DispatchListRules::DispatchListRules(DataModule1& data, QString& receiptDate)
    : slips_(data.table(QStringLiteral("HIT1Rep"))),
      count_(data.qExpr()),
      customers_(data, NameLookup::kCustomer),
      carriers_(data, NameLookup::kCarrier),
      receiptDate_(receiptDate) {}

void DispatchListRules::open() {
    slips_.close();
    slips_.setFiltered(false);
    slips_.setFilter(QString());
    slips_.open();
}

void DispatchListRules::close() {
    slips_.close();
    slips_.setFiltered(false);
    slips_.setFilter(QString());
}

DispatchListRules::Range DispatchListRules::openingRange(const QDate& today) {
    const QDate first = QDate(today.year(), today.month(), 1).addMonths(-1);
    return {first, first.addMonths(1).addDays(-1)};
}

DispatchListRules::SearchValue DispatchListRules::searchValueLeft(SearchKind kind,
                                                                  const QString& value) const {
    if (!hasName(kind)) return {value, {}};
    const QString code = zeroFilledCode(value);
    const NameLookup& names = kind == SearchKind::Customer ? customers_ : carriers_;
    return {code, names.nameOf(code)};
}

bool DispatchListRules::slipNumberExists(const QString& number) const {
    count_.close();
    count_.setSql({QStringLiteral("SELECT COUNT(*) FROM HITRAN1"),
                   QStringLiteral("WHERE CODE = ") + sqlQuote(number)});
    count_.open();
    const qint64 slips = count_.value(QStringLiteral("Expr1000")).toLongLong();
    count_.close();
    return slips > 0;
}

QString DispatchListRules::searchFilter(SearchKind kind, const QDate& from, const QDate& to,
                                        const QString& value) const {
    if (kind == SearchKind::SlipNumber && !value.isEmpty()) {
        QString number = value;
        if (!slipNumberExists(value) && value.size() < kPaddedNumberLength) {
            const QString padded = value.rightJustified(kPaddedNumberLength, QLatin1Char(' '));
            if (slipNumberExists(padded)) number = padded;
        }
        return QStringLiteral("CODE = ") + sqlQuote(number);
    }
    QString filter = QStringLiteral("HYMD >= ") + sqlQuote(formatYyMmDd(from)) +
                     QStringLiteral(" And HYMD <= ") + sqlQuote(formatYyMmDd(to));
    if (value.isEmpty()) return filter;
    const QString column = kind == SearchKind::Customer  ? QStringLiteral("KCODE")
                           : kind == SearchKind::Carrier ? QStringLiteral("YCODE")
                                                         : QStringLiteral("SHBAN");
    return filter + QStringLiteral(" And ") + column + QStringLiteral(" = ") + sqlQuote(value);
}

void DispatchListRules::search(SearchKind kind, const QDate& from, const QDate& to,
                               const QString& value) {
    slips_.replaceFilter(searchFilter(kind, from, to, value));
}

void DispatchListRules::reset() { slips_.replaceFilter(QString()); }

Result DispatchListRules::receiptDateEntered() {
    if (receiptDate_.isEmpty() || !hasRecord(slips_)) return {};
    if (!slips_.isEditing()) slips_.edit();
    return slips_.setValue(kReceiptDate, receiptDate_);
}

void DispatchListRules::receiptDateLeft() {
    if (hasRecord(slips_)) receiptDate_ = slips_.text(kReceiptDate);
}

QString DispatchListRules::currentCode() const {
    if (!hasRecord(slips_)) return {};
    return slips_.text(QStringLiteral("CODE"));
}

Result DispatchListRules::registerPending() {
    if (!slips_.isEditing()) return {};
    if (!slips_.isModified()) {
        slips_.cancel();
        return {};
    }
    return slips_.post();
}

}  // namespace vantir
