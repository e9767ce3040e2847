#pragma once

#include <QString>
#include <functional>

#include "platform/dataset/Result.h"

namespace vantir {

class DataModule1;
class DataModule2;
struct MonthlyRunValues;

// The monthly aggregation run: refreshes the working copy from the main database, builds
// the month's HIMAS31 and HIMAS32 rows per closing day and for the own closing day, tidies
// every month stored, rebuilds the period's sales and purchase ledgers, and replaces the
// four tables of the main database with the working copy's, each in one transaction.
// When the working copy holds a switched-in archive it is not refreshed, the run computes
// in it and nothing reaches the main database; the result then carries a notice (ok).
class MonthlyAggregation {
  public:
    using Progress = std::function<void(const QString& line)>;

    MonthlyAggregation(DataModule1& dm1, DataModule2& dm2, Progress progress);

    // closingDay as typed ("5" counts as "05"), month "yy/mm". A refusal or failure
    // leaves the main database as it was.
    Result run(const QString& closingDay, const QString& month, bool workingCopyIsArchive);

    // The purchase ledger alone, rebuilt for the period of values and pushed (not for an
    // archive), the working copy as it is.
    Result rebuildPurchases(const MonthlyRunValues& values, bool workingCopyIsArchive);

  private:
    void compute(const MonthlyRunValues& values, bool& salesRebuilt, bool& purchasesRebuilt);

    DataModule1& dm1_;
    DataModule2& dm2_;
    Progress progress_;
};

}  // namespace vantir
