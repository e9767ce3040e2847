#include "app/daterules/DueDate.h"

#include <algorithm>

#include "app/daterules/DateRuleInput.h"
#include "app/daterules/DateRuleMessages.h"
#include "platform/dates/DateText.h"

namespace vantir {

namespace {

constexpr int kLastFixedClosingDay = 28;
constexpr int kMonthEnd = 99;
constexpr int kLastPayDay = 31;
constexpr int kDaysPerSiteStep = 30;

// The closing date of the month: its closing day, or its last day for a closing day
// above 28 (every month has a 28th, so those are fixed days).
QDate closingDate(const RuleMonth& month, int closingDay) {
    if (closingDay > kLastFixedClosingDay) return lastDayOfMonth(month.year, month.month);
    return QDate(month.year, month.month, closingDay);
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
    if (closingDay.trimmed().isEmpty() || month.trimmed().isEmpty()) {
        return Result::refused(dateRuleMessage::enterClosingDayOrMonth);
    }
    const std::optional<RuleMonth> ruleMonth = readRuleMonth(month);
    if (!ruleMonth) return Result::refused(dateRuleMessage::month);
    const std::optional<int> day = readRuleNumber(closingDay, 2);
    if (!day || *day < 1) return Result::refused(dateRuleMessage::closingDay);
    const std::optional<int> site = readRuleNumber(siteDays, 3);
    if (!site) return Result::refused(dateRuleMessage::siteDays);

    // A site that is not a multiple of 30 counts its whole 30-day steps only, whatever
    // the closing day: 45 days after the 20th is the 20th of the next month.
    const bool monthEnd = *day > kLastFixedClosingDay;
    return Result::of(dayOfMonthReached(closingDate(*ruleMonth, *day), *site / kDaysPerSiteStep,
                                        monthEnd ? 0 : *day));
}

DateRuleResult<QString> DueDateByPayDay(const QString& month, const QString& closingDay,
                                        const QString& siteMonths, const QString& payDay) {
    using Result = DateRuleResult<QString>;
    if (month.trimmed().isEmpty()) return Result::refused(dateRuleMessage::enterClosingDayOrMonth);
    const std::optional<RuleMonth> ruleMonth = readRuleMonth(month);
    if (!ruleMonth) return Result::refused(dateRuleMessage::month);
    const std::optional<int> day = readRuleNumber(closingDay, 2);
    if (!day || *day < 1) return Result::refused(dateRuleMessage::ownClosingDay);
    const std::optional<int> steps = readRuleNumber(siteMonths, 2);
    if (!steps) return Result::refused(dateRuleMessage::paymentSite);
    const std::optional<int> pay = readRuleNumber(payDay, 2);
    if (!pay || *pay < 1 || (*pay > kLastPayDay && *pay != kMonthEnd)) {
        return Result::refused(dateRuleMessage::paymentDay);
    }

    return Result::of(
        dayOfMonthReached(closingDate(*ruleMonth, *day), *steps, *pay == kMonthEnd ? 0 : *pay));
}

}  // namespace vantir
