#pragma once

#include <QString>
#include <optional>

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

// A day or month number as two-digit text ("5" -> "05").
QString twoDigitText(int value);

}  // namespace vantir
