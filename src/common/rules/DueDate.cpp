#include "common/rules/DueDate.h"

#include <algorithm>

#include "common/rules/DateRuleInput.h"
#include "common/rules/DateRuleMessages.h"
#include "platform/dates/DateText.h"

namespace vantir {

namespace {

constexpr int kLastFixedClosingDay = 28;
constexpr int kMonthEnd = 99;
constexpr int kLastPayDay = 31;
constexpr int kDaysPerSiteStep = 30;

// The closing date of the month: its closing day, or its last day for a closing day
// above 28 (every month has a 28th, so those are fixed days).
QDate closingDate(const ClosingMonth& input) {
    const RuleMonth& month = input.month;
    if (input.closingDay > kLastFixedClosingDay) return lastDayOfMonth(month.year, month.month);
    return QDate(month.year, month.month, input.closingDay);
}

// Day `day` of the month that `steps` 30-day steps from the closing date reach, or that
// month's last day when the month is shorter (or `day` is 0, the month end).
QString dayOfMonthReached(const QDate& closing, int steps, int day) {
    const QDate reached = closing.addDays(qint64{steps} * kDaysPerSiteStep);
    const QDate lastDay = lastDayOfMonth(reached.year(), reached.month());
    const int dueDay = day == 0 ? lastDay.day() : std::min(day, lastDay.day());
    return formatYyMmDd(QDate(reached.year(), reached.month(), dueDay));
}

}  // namespace

DateRuleResult<QString> DueDateBySite(const QString& month, const QString& closingDay,
                                      const QString& siteDays) {
    using Result = DateRuleResult<QString>;
    const auto input = readClosingMonth(closingDay, month, dateRuleMessage::closingDay);
    if (!input) return Result::refused(input.message);
    const std::optional<int> site = readRuleNumber(siteDays, 3);
    if (!site) return Result::refused(dateRuleMessage::siteDays);

    // A site that is not a multiple of 30 counts its whole 30-day steps only, whatever
    // the closing day: 45 days after the 20th is the 20th of the next month.
    const int day = input.value->closingDay;
    return Result::of(dayOfMonthReached(closingDate(*input.value), *site / kDaysPerSiteStep,
                                        day > kLastFixedClosingDay ? 0 : day));
}

DateRuleResult<QString> DueDateByPayDay(const QString& month, const QString& closingDay,
                                        const QString& siteMonths, const QString& payDay) {
    using Result = DateRuleResult<QString>;
    const auto input = readClosingMonth(closingDay, month, dateRuleMessage::ownClosingDay);
    if (!input) return Result::refused(input.message);
    const std::optional<int> steps = readRuleNumber(siteMonths, 2);
    if (!steps) return Result::refused(dateRuleMessage::paymentSite);
    const std::optional<int> pay = readRuleNumber(payDay, 2);
    if (!pay || *pay < 1 || (*pay > kLastPayDay && *pay != kMonthEnd)) {
        return Result::refused(dateRuleMessage::paymentDay);
    }

    return Result::of(
        dayOfMonthReached(closingDate(*input.value), *steps, *pay == kMonthEnd ? 0 : *pay));
}

}  // namespace vantir
