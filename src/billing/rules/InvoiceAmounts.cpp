#include "billing/rules/InvoiceAmounts.h"

#include "billing/rules/YenRounding.h"

namespace vantir::invoiceAmounts {

qint64 tax(qint64 sales, qint64 ratePercent) { return divideTowardZero(sales * ratePercent, 100); }

Discounted afterDiscount(qint64 sales, qint64 costs, qint64 ratePercent, qint64 discount) {
    const qint64 net = sales - discount;
    const qint64 netTax = divideHalfToEven(ratePercent * net, 100);
    return {netTax, net + costs + netTax};
}

qint64 discountForRate(qint64 sales, qint64 ratePercent) {
    return divideHalfAwayFromZero(sales * ratePercent, 100);
}

}  // namespace vantir::invoiceAmounts
