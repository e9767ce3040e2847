#pragma once

#include <QDate>
#include <QString>
#include <optional>

namespace vantir {

// Dates are stored as eight-character text "yy/mm/dd" and months as "yy/mm". A two-digit
// year is expanded to the year within fifty years of today (Clock::today()).

int expandTwoDigitYear(int yy);                                  // 3 -> 2003 (today 2026)
std::optional<QDate> parseYyMmDd(const QString& text);           // "03/05/20"; nullopt if invalid
QString formatYyMmDd(const QDate& date);                         // -> "03/05/20"
bool parseYyMm(const QString& text, int* year, int* month);      // "03/05" -> 2003, 5
QString formatYyMm(int year, int month);                         // -> "03/05"
QDate lastDayOfMonth(int year, int month);

// The two-digit arithmetic of the closing-day rules: the next value is the number plus
// 101 and the previous the number plus 99, keeping the last two digits ("05" -> "06"
// and "04"; "01" -> "00" previous; "12" -> "13" next: callers wrap months themselves).
// Text that is not a number gives empty text: callers check their input first.
QString twoDigitNext(const QString& twoDigits);
QString twoDigitPrevious(const QString& twoDigits);

}  // namespace vantir
