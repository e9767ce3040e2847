#include "platform/system/Clock.h"

#include <QTime>
#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace vantir {

namespace {

// Warned once per run: a mistyped VANTIR_TODAY must not flood the terminal, but must not
// pass unnoticed either, since every period and due date would shift with it.
void warnUnreadableToday(const char* value) {
    static std::atomic_bool warned{false};
    if (warned.exchange(true)) return;
    std::fprintf(stderr,
                 "VANTIR_TODAY=\"%s\" is not a date of the form YYYY-MM-DD; using the real date.\n",
                 value);
}

// The date VANTIR_TODAY names, or an invalid date when it is unset or unreadable. The
// two-digit year expansion asks for today on every date it reads, so the parsed value is
// kept until the variable changes.
QDate fixedToday() {
    const char* value = std::getenv("VANTIR_TODAY");
    if (value == nullptr || *value == '\0') return {};
    thread_local std::string lastValue;
    thread_local QDate lastDate;
    if (lastValue != value) {
        lastValue = value;
        lastDate = std::strlen(value) == 10
                       ? QDate::fromString(QString::fromLatin1(value), QStringLiteral("yyyy-MM-dd"))
                       : QDate();
    }
    if (!lastDate.isValid()) warnUnreadableToday(value);
    return lastDate;
}

}  // namespace

QDate Clock::today() {
    const QDate fixed = fixedToday();
    return fixed.isValid() ? fixed : QDate::currentDate();
}

QDateTime Clock::now() { return QDateTime(today(), QTime::currentTime()); }

}  // namespace vantir
