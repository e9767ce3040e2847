#pragma once

#include <QStringList>

namespace vantir {

// The closing days the monthly aggregation visits, in order: "01" to "28" in every month,
// "29" too outside February, then "99" (month end). Partners closing on the 28th are thus
// aggregated in every February; those on the 29th outside February and on the 30th and
// 31st in no per-closing-day group.
class ClosingDayLoop {
  public:
    // month "yy/mm" (already read by the period rule).
    static QStringList visits(const QString& month);
};

}  // namespace vantir
