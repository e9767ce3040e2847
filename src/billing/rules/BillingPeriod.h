#pragma once

#include <QDate>
#include <QString>

#include "common/rules/DateRuleResult.h"

namespace vantir {

// The billing period of an invoice: the first and last day, "yy/mm/dd".
struct BillingPeriod {
    QString first;
    QString last;
    bool operator==(const BillingPeriod&) const = default;
};

// The period that ended most recently for a closing day, as the invoice run proposes it:
// with L the day one month before today (clipped to that month's length), "99" is L's
// calendar month; a closing day D below L's day starts on day D + 1 of L's month,
// otherwise on day D + 1 of the month before; the period ends one month after its start,
// less one day. A closing day that is no whole number is refused with
// "'%s' は整数ではありません", a start day the month lacks (D = 30 before a February)
// with "'%s' は日付ではありません", naming the text; the caller keeps its period then.
DateRuleResult<BillingPeriod> billingPeriod(const QString& closingDay, const QDate& today);

// The month before today's month, first to last day: the period the dialog opens with.
BillingPeriod previousCalendarMonth(const QDate& today);

}  // namespace vantir
