#include "ledgers/rules/LedgerRange.h"

#include "common/rules/DateRuleMessages.h"
#include "common/rules/NotAnInteger.h"

namespace vantir {

namespace {

const QString kWrongClosingDay = QStringLiteral("締日が違っています。");
constexpr int kMonthEnd = 99;
constexpr int kLastDay = 31;

}  // namespace

DateRuleResult<ClosingPeriod> ledgerRange(const QString& closingDay, const QString& month) {
    using Result = DateRuleResult<ClosingPeriod>;
    if (closingDay.trimmed().isEmpty() || month.trimmed().isEmpty())
        return Result::refused(dateRuleMessage::enterClosingDayOrMonth);
    bool isNumber = false;
    const int day = closingDay.trimmed().toInt(&isNumber);
    if (!isNumber) return Result::refused(notAnIntegerMessage(closingDay));
    if (day < 1 || (day > kLastDay && day != kMonthEnd)) return Result::refused(kWrongClosingDay);
    return closingPeriod(closingDay, month);
}

}  // namespace vantir
