#include "ledgers/rules/ScheduleWorkTables.h"

#include "common/printing/PrintError.h"
#include "common/printing/WorkingCopyPrint.h"
#include "common/rules/DateRuleMessages.h"
#include "data/DataModule2.h"
#include "ledgers/rules/ScheduleBalances.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/dataset/TableDataset.h"
#include "platform/db/SqlQuote.h"

namespace vantir {

namespace {

// The schedules work on calendar months: the month-end closing day.
const QString kMonthEnd = QStringLiteral("99");

}  // namespace

ClosingPeriod ScheduleWorkTables::monthRange(const QString& month) {
    // An empty box names what is missing; the closing day is none of the user's business.
    if (month.trimmed().isEmpty()) throw PrintError(dateRuleMessage::month);
    const DateRuleResult<ClosingPeriod> range = closingPeriod(kMonthEnd, month);
    if (!range) throw PrintError(range.message);
    return *range.value;
}

ScheduleWorkTables::ScheduleWorkTables(const PrintSources& sources, const QString& month)
    : dm2_(sources.dm2), month_(monthRange(month)) {
    refreshWorkingCopyForPrint(sources);
    taxRate_ = dm2_.database()
                   .connection()
                   .scalar(QStringLiteral("SELECT ZEIGAKU FROM SHOZEI WHERE CODE = 1"))
                   .toLongLong();
}

void ScheduleWorkTables::copy(const QString& workTable, const QStringList& select) const {
    QueryDataset& selection = dm2_.query1();
    selection.close();
    selection.setSql(select);
    selection.open();
    TableDataset& destination = dm2_.table1();
    destination.close();
    destination.setTableName(workTable);
    dm2_.batchMove1().execute(selection, destination);
    selection.close();
}

void ScheduleWorkTables::rateAndCheck(const QString& workTable) const {
    Connection& work = dm2_.database().connection();
    work.execute(QStringLiteral("UPDATE ") + workTable + QStringLiteral(" SET SHOZEI = :ZEIGAKU"),
                 {{QStringLiteral("ZEIGAKU"), taxRate_}});
    if (work.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + workTable).toLongLong() == 0)
        refuseEmptyPrint();
}

void ScheduleWorkTables::expectedReceipts() const {
    copy(QStringLiteral("HWRK31"), {QStringLiteral("SELECT * FROM HIMAS31"),
                                    QStringLiteral("WHERE SHYMD >= ") + sqlQuote(month_.start)});
    rateAndCheck(QStringLiteral("HWRK31"));
}

void ScheduleWorkTables::expectedPayments() const {
    copy(QStringLiteral("HWRK32"), {QStringLiteral("SELECT * FROM HIMAS32"),
                                    QStringLiteral("WHERE SHYMD >= ") + sqlQuote(month_.start),
                                    QStringLiteral("AND SHYMD <= ") + sqlQuote(month_.end)});
    rateAndCheck(QStringLiteral("HWRK32"));
}

void ScheduleWorkTables::balances() const {
    const QString since = QStringLiteral("WHERE HYMD >= ") + sqlQuote(month_.start);
    copy(QStringLiteral("HWRK31"), {QStringLiteral("SELECT * FROM HIMAS31"), since});
    copy(QStringLiteral("HWRK32"), {QStringLiteral("SELECT * FROM HIMAS32"), since});
    if (ScheduleBalances::rebuild(dm2_.database().connection(), month_.end, taxRate_) == 0)
        refuseEmptyPrint();
}

}  // namespace vantir
