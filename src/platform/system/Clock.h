#pragma once

#include <QDate>
#include <QDateTime>

namespace vantir {

// The one clock of the program. VANTIR_TODAY=YYYY-MM-DD fixes today's date for tests
// and demonstrations; everything that depends on today reads it here.
class Clock {
public:
    static QDate today();
    static QDateTime now();  // today's date with the real time of day
};

}  // namespace vantir
