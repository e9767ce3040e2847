#pragma once

#include <QString>
#include <QtGlobal>

namespace vantir {

class Connection;

// HIMAS33 of the receivables and payables list, from the aggregates in HWRK31 and HWRK32:
// one row per partner of HIMAS3 in code order (KCODE, KNAME, YCODE) with
//   URIZAN = ΣUKING + ΣUHIYO + the tax on ΣUKING (rate %, cut toward zero),
//   SIRZAN = ΣSKING,
// summed over the partner's KCODE (NULL amounts add nothing), HYMD the month's last day.
// A partner with neither a receivable nor a payable is left out; one whose two happen to
// add up to nothing is not.
//
// Two grouped sums and one insert per partner kept, in one transaction; the tests hold the
// per-partner counts and sums as the reference it must agree with.
class ScheduleBalances {
  public:
    // Returns the number of partners written. Throws DbError (HIMAS33 then as it was).
    static int rebuild(Connection& workingCopy, const QString& monthEnd, qint64 taxRate);
};

}  // namespace vantir
