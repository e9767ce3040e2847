#pragma once

#include <QString>

namespace vantir {

class Connection;
struct MonthlyRunValues;

// The period's rows of the sales ledger HITRANM and the purchase ledger HITRANS, rebuilt in
// the working copy from the slips of the period, each reduced to one side of the business,
// and from its receipts or payments written in the shape of a slip. Slips with nothing on
// that side are left out; receipt and payment rows always stay. A period with neither
// slips nor receipts (payments) leaves the ledger as it is.
class LedgerRebuild {
  public:
    enum class Side { Sales, Purchases };

    static QString table(Side side);
    // Returns whether the ledger was rebuilt (and so is to be pushed).
    static bool rebuild(Connection& workingCopy, const MonthlyRunValues& values, Side side);
};

}  // namespace vantir
