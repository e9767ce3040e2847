#pragma once

#include <QString>

#include "billing/rules/BillingPeriod.h"
#include "billing/rules/MarkComparison.h"

namespace vantir {

class DataModule1;

// The customer marks worked out one customer at a time, statement by statement as the
// invoice run has always issued them: count the closing day's customers, walk them in
// code order through Q_HIM3SQ, read each one's sales with QuerySum and mark it when they
// are above 0; an error ends the walk. Slow (one pass over the slips per customer), it is
// the reference that InvoiceCustomerMarks is tested and measured against. Values go in
// through sqlQuote; "再表示" counts an empty sum as 0, as InvoiceCustomerMarks does.
class LiteralInvoiceCustomerMarks {
  public:
    // Returns the number of customers marked. Throws DbError outside the walk.
    static int markWithSales(DataModule1& dm1, const QString& closingDay,
                             const BillingPeriod& period, MarkComparison comparison);
};

}  // namespace vantir
