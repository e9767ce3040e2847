#pragma once

#include <QString>
#include <QtGlobal>

namespace vantir {
class Connection;
}

namespace vantir::test {

// The receivables and payables of HIMAS33 as the list has always built them from HWRK31
// and HWRK32: every partner inserted, then per partner two counts and up to three sums,
// each written at once as its own statement, and the empty rows deleted at the end. The
// reference ScheduleBalances must agree with, row for row.
void literalScheduleBalances(Connection& workingCopy, const QString& monthEnd, qint64 taxRate);

}  // namespace vantir::test
