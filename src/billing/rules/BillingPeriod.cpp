#include "billing/rules/BillingPeriod.h"

#include "common/rules/NotAnInteger.h"
#include "platform/dates/DateText.h"

namespace vantir {

namespace {

constexpr int kMonthEnd = 99;

QString notADateMessage(const QString& text) {
    return QStringLiteral("'%1' は日付ではありません").arg(text);
}

}  // namespace

DateRuleResult<BillingPeriod> billingPeriod(const QString& closingDay, const QDate& today) {
    using Result = DateRuleResult<BillingPeriod>;
    bool whole = false;
    const int day = closingDay.trimmed().toInt(&whole);
    if (!whole) return Result::refused(notAnIntegerMessage(closingDay));

    const QDate monthAgo = today.addMonths(-1);  // QDate clips the day to the month's length
    if (day == kMonthEnd) return Result::of(previousCalendarMonth(today));

    const QDate startMonth = day < monthAgo.day() ? monthAgo : monthAgo.addMonths(-1);
    // The start is the day after the closing day in that month, as written: a day the
    // month does not have is no date at all, not the first of the next month.
    const QDate start(startMonth.year(), startMonth.month(), day + 1);
    if (day + 1 < 1 || !start.isValid()) {
        const QString text =
            formatYyMm(startMonth.year(), startMonth.month()) + u'/' + QString::number(day + 1);
        return Result::refused(notADateMessage(text));
    }
    const QDate end = start.addMonths(1).addDays(-1);
    return Result::of({formatYyMmDd(start), formatYyMmDd(end)});
}

BillingPeriod previousCalendarMonth(const QDate& today) {
    const QDate monthAgo = today.addMonths(-1);
    const QDate first(monthAgo.year(), monthAgo.month(), 1);
    return {formatYyMmDd(first), formatYyMmDd(lastDayOfMonth(first.year(), first.month()))};
}

}  // namespace vantir
