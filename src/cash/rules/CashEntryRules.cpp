#include "cash/rules/CashEntryRules.h"

#include "common/rules/RuleRecord.h"
#include "data/DataModule1.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/dataset/TableDataset.h"
#include "platform/db/SqlQuote.h"

namespace vantir {

CashEntryRules::CashEntryRules(const CashSide& side, DataModule1& data, Messages& messages,
                               QString& settingDate, const QString& workingDate)
    : side_(side),
      settingDate_(settingDate),
      table_(data.table(side.table)),
      kinds_(data.query(QStringLiteral("f_SeikyuK"))),
      staff_(data.table(QStringLiteral("HIMAS2"))),
      search_(data.query(side.searchQuery)),
      bar_(SetDateBar::Checks::Cash, messages),
      numbers_(data, side.numbers),
      partner_(data, *side.partnerLookup),
      staffNames_(data, NameLookup::kStaff) {
    if (!workingDate.isEmpty()) settingDate_ = workingDate;
}

void CashEntryRules::open() {
    table_.open();
    kinds_.open();
    staff_.open();
}

void CashEntryRules::close() {
    search_.close();
    staff_.close();
    kinds_.close();
    table_.close();
}

SetDateBoxes CashEntryRules::boxes() const {
    return SetDateBar::boxesOfPickedDate(settingDate_).value_or(SetDateBoxes{});
}

SetDateResult CashEntryRules::dayLeft(const SetDateBoxes& boxes) {
    SetDateResult result = bar_.dayLeft(boxes, false);
    if (result.action == SetDateResult::Action::NewSetDate) {
        settingDate_ = result.setDate;
        filterTable(result.filter);
    }
    return result;
}

Result CashEntryRules::dateEntered(const QString& column) {
    if (!hasRecord(table_) || !isBlank(column)) return Result::success();
    return table_.setValue(column, settingDate_);
}

Result CashEntryRules::codeEntered() { return numbers_.codeEntered(table_); }

Result CashEntryRules::partnerCodeLeft() {
    return partner_.codeLeft(table_, side_.partnerCode, side_.partnerName);
}

Result CashEntryRules::staffCodeChanged() {
    return staffNames_.fillName(table_, QStringLiteral("TANCOD"), QStringLiteral("TANMEI"));
}

Result CashEntryRules::partnerChosen(const QString& code) {
    if (!hasRecord(table_)) return Result::success();
    return table_.setValue(side_.partnerCode, code);
}

Leave CashEntryRules::codeLeft() const {
    if (side_.numberRequired && hasRecord(table_) && isBlank(QStringLiteral("CODE")))
        return Leave::Stay;
    return Leave::Go;
}

Result CashEntryRules::kindLeft() {
    if (!hasRecord(table_)) return Result::success();
    const QString kind = QStringLiteral("SEKBN");
    if (isBlank(kind)) {
        if (Result stored = table_.setValue(kind, QStringLiteral("0")); !stored) return stored;
    }
    const QString governing =
        table_.text(kind) == u"0" ? QStringLiteral("HYMD") : QStringLiteral("THYMD");
    const QVariant date = table_.value(governing);
    const QString dday = QStringLiteral("DDAY");
    if (table_.value(dday) == date) return Result::success();
    return table_.setValue(dday, date);
}

void CashEntryRules::openSearch() {
    search_.setSql({QStringLiteral("SELECT * FROM ") + side_.table,
                    QStringLiteral("WHERE HYMD = ") + sqlQuote(settingDate_),
                    QStringLiteral("ORDER BY CODE DESC")});
    search_.open();
}

void CashEntryRules::chooseFromSearch(const QString& code) {
    filterTable(QStringLiteral("CODE = ") + sqlQuote(code));
}

// A box the user rubbed out leaves empty text where a new record has NULL; both are
// nothing typed.
bool CashEntryRules::isBlank(const QString& column) const { return table_.text(column).isEmpty(); }

// The old filter is switched off before the new one is set and switched on.
void CashEntryRules::filterTable(const QString& filter) {
    table_.setFiltered(false);
    table_.setFilter(filter);
    table_.setFiltered(true);
}

}  // namespace vantir
