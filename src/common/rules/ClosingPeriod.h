#pragma once

#include <QString>

#include "common/rules/DateRuleResult.h"

namespace vantir {

// The days a month's business covers for a closing day: from the day after the previous
// month's closing day to the closing day, or the calendar month for "99" (month end).
struct ClosingPeriod {
    QString start;  // "yy/mm/dd"
    QString end;    // "yy/mm/dd"
};

// closingDay "01".."28" or "99", month "yy/mm". Either empty: "締日又は月度に入力して下さい。".
// A closing day is not checked against the calendar: "30" ends February on "yy/02/30" and
// starts March on "yy/02/31", which still bound the period when dates are compared as text.
DateRuleResult<ClosingPeriod> closingPeriod(const QString& closingDay, const QString& month);

}  // namespace vantir
