#include <gtest/gtest.h>

#include "billing/rules/InvoiceAmounts.h"
#include "billing/rules/YenRounding.h"
#include "support/QtPrinters.h"

namespace vantir::test {
namespace {

struct DivisionCase {
    qint64 dividend;
    qint64 divisor;
    qint64 towardZero;
    qint64 halfAway;
    qint64 halfEven;
};

TEST(YenRoundingTest, EachRoundingOnHalvesAndAroundThem) {
    const DivisionCase cases[] = {
        {617285, 100, 6172, 6173, 6173},  // 6,172.85
        {150, 100, 1, 2, 2},              // 1.5
        {50, 100, 0, 1, 0},               // 0.5
        {250, 100, 2, 3, 2},              // 2.5
        {123450, 100, 1234, 1235, 1234},  // 1,234.5
        {149, 100, 1, 1, 1},
        {151, 100, 1, 2, 2},
        {-617285, 100, -6172, -6173, -6173},
        {-150, 100, -1, -2, -2},
        {-50, 100, 0, -1, 0},
        {-250, 100, -2, -3, -2},
        {0, 100, 0, 0, 0},
        {4000000000LL * 10, 100, 400000000, 400000000, 400000000},  // beyond 32 bits
    };
    for (const DivisionCase& c : cases) {
        SCOPED_TRACE(c.dividend);
        EXPECT_EQ(divideTowardZero(c.dividend, c.divisor), c.towardZero);
        EXPECT_EQ(divideHalfAwayFromZero(c.dividend, c.divisor), c.halfAway);
        EXPECT_EQ(divideHalfToEven(c.dividend, c.divisor), c.halfEven);
    }
}

TEST(InvoiceAmountsTest, TheRunCutsItsTaxTheDiscountRoundsItToEven) {
    EXPECT_EQ(invoiceAmounts::tax(123457, 5), 6172);
    EXPECT_EQ(invoiceAmounts::afterDiscount(123457, 800, 5, 0).tax, 6173);
    EXPECT_EQ(invoiceAmounts::afterDiscount(123457, 800, 5, 0).total, 123457 + 800 + 6173);
    EXPECT_EQ(invoiceAmounts::afterDiscount(1030, 0, 5, 1000).tax, 2);  // 1.5
    EXPECT_EQ(invoiceAmounts::afterDiscount(1010, 0, 5, 1000).tax, 0);  // 0.5
    EXPECT_EQ(invoiceAmounts::afterDiscount(1010, 7, 5, 1000).total, 17);
    EXPECT_EQ(invoiceAmounts::discountForRate(12345, 10), 1235);  // 1,234.5
    EXPECT_EQ(invoiceAmounts::discountForRate(12344, 10), 1234);
}

}  // namespace
}  // namespace vantir::test
