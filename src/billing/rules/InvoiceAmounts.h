#pragma once

#include <QtGlobal>

namespace vantir {

// The money of an invoice header, whole yen; the tax rate is whole percent.
namespace invoiceAmounts {

// "印刷": the tax on the period's sales, cut toward zero (6,172.85 -> 6,172).
qint64 tax(qint64 sales, qint64 ratePercent);

// "合計印刷": the tax on the sales after the discount, halves to the even yen
// (1.5 -> 2, 0.5 -> 0), and the total the invoice asks for: net sales + costs + tax.
struct Discounted {
    qint64 tax = 0;
    qint64 total = 0;
};
Discounted afterDiscount(qint64 sales, qint64 costs, qint64 ratePercent, qint64 discount);

// The discount for a rate: sales x rate / 100, halves away from zero (1,234.5 -> 1,235).
qint64 discountForRate(qint64 sales, qint64 ratePercent);

}  // namespace invoiceAmounts
}  // namespace vantir
