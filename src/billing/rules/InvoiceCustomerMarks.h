#pragma once

#include <QString>

#include "billing/rules/BillingPeriod.h"
#include "billing/rules/MarkComparison.h"

namespace vantir {

class Connection;

// The selection marks of the invoice run in HIMAS3.URI_FLG: 100 for a customer of the
// closing day with sales in the period, 0 for every other partner. The customer list then
// shows the marked customers of its closing day.
//
// All customers are marked by one statement that sums the period's slips per customer,
// instead of one sum per customer: the customers whose sum is above 0 are those of
// LiteralInvoiceCustomerMarks, which keeps the per-customer statements as the reference.
class InvoiceCustomerMarks {
  public:
    static constexpr int kMarked = 100;

    // "UpDate HIMAS3 SET URI_FLG = 0". Throws DbError.
    static void clear(Connection& connection);

    // Marks the customers of closingDay whose slips with DDAY in the period sum above 0:
    // "検索" sums UKING + UHIYO per slip and compares dates; "再表示" sums UKING and UHIYO
    // apart and compares texts, an empty sum counting as 0 so that a customer whose costs
    // were never entered still shows. Marks are only added: clear() first. Returns the
    // number of partner rows marked. Throws DbError.
    static int markWithSales(Connection& connection, const QString& closingDay,
                             const BillingPeriod& period, MarkComparison comparison);
    // Both in one transaction, as "検索" and "再表示" mark: every old mark cleared, the
    // closing day's customers with sales marked.
    static int remark(Connection& connection, const QString& closingDay,
                      const BillingPeriod& period, MarkComparison comparison);
};

}  // namespace vantir
