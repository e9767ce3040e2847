#pragma once

#include <QString>

#include "common/rules/ClosingPeriod.h"
#include "common/rules/DateRuleResult.h"

namespace vantir {

// The days whose lines a ledger editor shows: the closing period of the month. The
// closing day may be any day of a month, "01" to "31", or "99" (month end); the range is
// text compared with text, so closing day 31 in April gives 24/03/32 to 24/04/31, which
// holds the lines of 24/04/01 to 24/04/30. Refused, with the message that stops the
// selection: an empty box "締日又は月度に入力して下さい。", a closing day with other than
// digits "'%s' は整数ではありません", any other day "締日が違っています。".
DateRuleResult<ClosingPeriod> ledgerRange(const QString& closingDay, const QString& month);

}  // namespace vantir
