#pragma once

#include "monthly/rules/SlipTotals.h"

namespace vantir {

class Connection;
struct MonthlyRunValues;

// Everything the steps sum, read once per run: the slips by customer and by carrier (one
// read of HITRAN1), the receipts by customer, the payments by customer and by carrier.
// A payment's amount is its SKING, as the payment entry stores it.
struct MonthlyTotals {
    SlipTotals slipsByCustomer;
    SlipTotals slipsByCarrier;
    SlipTotals receiptsByCustomer;
    SlipTotals paymentsByCustomer;
    SlipTotals paymentsByCarrier;

    static MonthlyTotals read(Connection& workingCopy, const MonthlyRunValues& values);
};

}  // namespace vantir
