#include "platform/dates/DateText.h"

#include <QStringList>

#include "platform/system/Clock.h"

namespace vantir {

namespace {

// A part of a typed or stored date: one or two digits (the stored form always has two,
// a date typed by hand may not).
std::optional<int> datePart(QStringView part) {
    if (part.isEmpty() || part.size() > 2) return std::nullopt;
    int value = 0;
    for (const QChar ch : part) {
        if (ch < u'0' || ch > u'9') return std::nullopt;
        value = value * 10 + (ch.unicode() - u'0');
    }
    return value;
}

QString padTwo(int value) { return QStringLiteral("%1").arg(value % 100, 2, 10, QLatin1Char('0')); }

// The two-digit arithmetic works on the number, so "5" and "05" are the same value;
// anything else is not a two-digit value at all.
std::optional<int> twoDigitValue(const QString& text) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > 3) return std::nullopt;
    bool ok = false;
    const int value = trimmed.toInt(&ok);
    if (!ok || value < 0) return std::nullopt;
    return value;
}

}  // namespace

// The century window runs from fifty years before this year to forty-nine after it, so a
// date of the last half century and one of the coming half century both read right.
int expandTwoDigitYear(int yy) {
    const int windowStart = Clock::today().year() - 50;
    int year = windowStart - windowStart % 100 + yy % 100;
    if (year < windowStart) year += 100;
    return year;
}

std::optional<QDate> parseYyMmDd(const QString& text) {
    const QList<QStringView> parts = QStringView(text).split(u'/');
    if (parts.size() != 3) return std::nullopt;
    const auto yy = datePart(parts[0]);
    const auto mm = datePart(parts[1]);
    const auto dd = datePart(parts[2]);
    if (!yy || !mm || !dd) return std::nullopt;
    const QDate date(expandTwoDigitYear(*yy), *mm, *dd);
    if (!date.isValid()) return std::nullopt;
    return date;
}

QString formatYyMmDd(const QDate& date) {
    if (!date.isValid()) return {};
    return padTwo(date.year()) + u'/' + padTwo(date.month()) + u'/' + padTwo(date.day());
}

bool parseYyMm(const QString& text, int* year, int* month) {
    const QList<QStringView> parts = QStringView(text).split(u'/');
    if (parts.size() != 2) return false;
    const auto yy = datePart(parts[0]);
    const auto mm = datePart(parts[1]);
    if (!yy || !mm || *mm < 1 || *mm > 12) return false;
    if (year != nullptr) *year = expandTwoDigitYear(*yy);
    if (month != nullptr) *month = *mm;
    return true;
}

QString formatYyMm(int year, int month) { return padTwo(year) + u'/' + padTwo(month); }

QDate lastDayOfMonth(int year, int month) {
    const QDate first(year, month, 1);
    return first.isValid() ? QDate(year, month, first.daysInMonth()) : QDate();
}

QString twoDigitNext(const QString& twoDigits) {
    const auto value = twoDigitValue(twoDigits);
    return value ? padTwo(*value + 101) : QString();
}

QString twoDigitPrevious(const QString& twoDigits) {
    const auto value = twoDigitValue(twoDigits);
    return value ? padTwo(*value + 99) : QString();
}

}  // namespace vantir
