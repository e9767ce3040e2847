#include "monthly/rules/MonthlyRunValues.h"

#include "common/rules/ClosingPeriod.h"
#include "common/rules/FiscalYearStart.h"
#include "platform/dates/DateText.h"
#include "platform/db/Connection.h"

namespace vantir {

DateRuleResult<MonthlyRunValues> MonthlyRunValues::read(const QString& closingDay,
                                                        const QString& month,
                                                        Connection& mainDatabase,
                                                        Connection& workingCopy) {
    using Result = DateRuleResult<MonthlyRunValues>;
    MonthlyRunValues values;
    // A one-digit day is stored with two, so that the month key sorts with the others.
    values.closingDay = closingDay.trimmed();
    if (values.closingDay.size() == 1) values.closingDay.prepend(u'0');
    const auto period = closingPeriod(values.closingDay, month);
    if (!period) return Result::refused(period.message);
    values.month = month.trimmed();
    values.start = period.value->start;
    values.end = period.value->end;

    Statement control = mainDatabase.prepare(
        QStringLiteral("SELECT VSIM, VSIT, VYOT, VKETU FROM S_CONTROL WHERE CODE = '1'"));
    QString VKETU;
    if (control.step()) {
        values.VSIM = control.value(0).toString();
        values.VSIT = control.value(1).toString();
        values.VYOT = control.value(2).toString();
        VKETU = control.value(3).toString();
    }
    const auto fiscal = fiscalYearStart(values.month, VKETU, values.VSIM);
    if (!fiscal) return Result::refused(fiscal.message);
    values.fiscalStart = *fiscal.value;
    values.taxRate = workingCopy.scalar(QStringLiteral("SELECT ZEIGAKU FROM SHOZEI WHERE CODE = 1"))
                         .toLongLong();
    return Result::of(values);
}

}  // namespace vantir
