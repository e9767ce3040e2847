#pragma once

#include <QString>

namespace vantir {

class Connection;

// What a screen that works on one closing day and month opens with: the company's own
// closing day (VSIM of the control record, empty when there is none) and the month
// before today's, "yy/mm" — last month is the one being closed and corrected.
struct ClosingMonthPreset {
    QString closingDay;
    QString month;

    // Throws DbError.
    static ClosingMonthPreset read(Connection& mainDatabase);
    static QString previousMonth();
};

}  // namespace vantir
