#include "common/rules/ClosingPeriod.h"

#include "common/rules/DateRuleInput.h"
#include "common/rules/DateRuleMessages.h"
#include "platform/dates/DateText.h"

namespace vantir {

namespace {

constexpr int kMonthEnd = 99;

}  // namespace

DateRuleResult<ClosingPeriod> closingPeriod(const QString& closingDay, const QString& month) {
    using Result = DateRuleResult<ClosingPeriod>;
    const auto input = readClosingMonth(closingDay, month, dateRuleMessage::closingDay);
    if (!input) return Result::refused(input.message);
    const RuleMonth& ruleMonth = input.value->month;
    const int day = input.value->closingDay;

    const QString yyMm = ruleMonth.yy + u'/' + ruleMonth.mm;
    if (day == kMonthEnd) {
        const QDate lastDay = lastDayOfMonth(ruleMonth.year, ruleMonth.month);
        return Result::of({yyMm + QStringLiteral("/01"), formatYyMmDd(lastDay)});
    }
    // Two-digit arithmetic, as the period has always been worked out: the previous month of
    // "01" is "12" of the year before ("00" -> "99"), and the start day is the closing day
    // plus one whatever the month's length.
    const QString closing = twoDigitText(day);
    const QString previousMonth =
        ruleMonth.mm == u"01" ? QString(twoDigitPrevious(ruleMonth.yy) + QStringLiteral("/12"))
                              : QString(ruleMonth.yy + u'/' + twoDigitPrevious(ruleMonth.mm));
    return Result::of({previousMonth + u'/' + twoDigitNext(closing), yyMm + u'/' + closing});
}

}  // namespace vantir
