#pragma once

#include <QString>
#include <optional>

#include "common/rules/DateRuleResult.h"

namespace vantir {

// A month "yy/mm" as the date rules work on it: the two-digit texts for the two-digit
// arithmetic and the calendar year and month for calendar arithmetic.
struct RuleMonth {
    QString yy;
    QString mm;
    int year = 0;  // four digits, within fifty years of today
    int month = 0;
};

// "03/05" or "3/5"; nullopt for anything that is not a month.
std::optional<RuleMonth> readRuleMonth(const QString& text);

// A closing day, site or setting as a whole number of at most maxDigits digits. Blanks
// around it are ignored (fixed-width text columns may keep them); anything else, signs
// included, is no number.
std::optional<int> readRuleNumber(const QString& text, int maxDigits);

// The closing day and month a period or due date is worked out from.
struct ClosingMonth {
    RuleMonth month;
    int closingDay = 0;  // 1..99; "99" and, for the due dates, anything above 28 = month end
};

// Reads both, or gives the message that stops the operation: "締日又は月度に入力して下さい。"
// when either is empty, otherwise the month's message or `closingDayMessage`.
DateRuleResult<ClosingMonth> readClosingMonth(const QString& closingDay, const QString& month,
                                              const QString& closingDayMessage);

// A day or month number as two-digit text ("5" -> "05").
QString twoDigitText(int value);

}  // namespace vantir
