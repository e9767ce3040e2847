#pragma once

#include <QString>
#include <vector>

#include "monthly/rules/AggregateRow.h"
#include "monthly/rules/MonthlyTotals.h"

namespace vantir {

class Connection;
struct MonthlyRunValues;

// The customer side of the monthly aggregation: per closing day, and once for the
// customers settled on the company's own closing day, the HIMAS31 rows of the period.
// The steps work on their group's rows in memory from the run's totals, and the cumulative
// steps append the rows that have something in the month.
class CustomerSteps {
  public:
    using Rows = std::vector<AggregateRow>;

    CustomerSteps(Connection& workingCopy, const MonthlyRunValues& values,
                  const Rows& partners,
                  const MonthlyTotals& totals);

    // The group of closing day c (flag other than "1") with its month's amounts and due dates.
    Rows monthly(const QString& closingDay) const;
    // Cumulative amounts since the fiscal start, then the rows are added to HIMAS31.
    void cumulative(Rows& rows) const;
    // The same for the customers of the own closing day, which replace the month's rows.
    Rows ownMonthly() const;
    void ownCumulative(Rows& rows) const;

  private:
    void add(Rows& rows) const;

    Connection& workingCopy_;
    const MonthlyRunValues& values_;
    const Rows& partners_;
    const SlipTotals& slips_;
    const SlipTotals& receipts_;
    const SlipTotals& payments_;
};

}  // namespace vantir
