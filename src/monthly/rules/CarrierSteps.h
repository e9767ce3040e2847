#pragma once

#include <QString>
#include <vector>

#include "monthly/rules/AggregateRow.h"
#include "monthly/rules/MonthlyTotals.h"

namespace vantir {

class Connection;
struct MonthlyRunValues;

// The carrier side of the monthly aggregation: the HIMAS32 rows of the period, matched to
// the slips and payments through YCODE. Shaped like CustomerSteps.
class CarrierSteps {
  public:
    using Rows = std::vector<AggregateRow>;

    CarrierSteps(Connection& workingCopy, const MonthlyRunValues& values, const Rows& partners,
                 const MonthlyTotals& totals);

    Rows monthly(const QString& closingDay) const;
    void cumulative(Rows& rows) const;
    Rows ownMonthly() const;
    void ownCumulative(Rows& rows) const;

  private:
    void add(Rows& rows) const;

    Connection& workingCopy_;
    const MonthlyRunValues& values_;
    const Rows& partners_;
    const SlipTotals& slips_;
    const SlipTotals& payments_;
};

}  // namespace vantir
