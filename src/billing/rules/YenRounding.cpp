#include "billing/rules/YenRounding.h"

namespace vantir {

namespace {

// Twice the remainder against the divisor: below, at or above the half.
int compareWithHalf(qint64 remainder, qint64 divisor) {
    const qint64 twice = 2 * (remainder < 0 ? -remainder : remainder);
    return twice < divisor ? -1 : (twice == divisor ? 0 : 1);
}

qint64 awayFromZero(qint64 quotient, qint64 dividend) {
    return dividend < 0 ? quotient - 1 : quotient + 1;
}

}  // namespace

qint64 divideTowardZero(qint64 dividend, qint64 divisor) { return dividend / divisor; }

qint64 divideHalfAwayFromZero(qint64 dividend, qint64 divisor) {
    const qint64 quotient = dividend / divisor;
    return compareWithHalf(dividend % divisor, divisor) >= 0 ? awayFromZero(quotient, dividend)
                                                             : quotient;
}

qint64 divideHalfToEven(qint64 dividend, qint64 divisor) {
    const qint64 quotient = dividend / divisor;
    const qint64 remainder = dividend % divisor;
    if (remainder == 0) return quotient;
    const int half = compareWithHalf(remainder, divisor);
    if (half > 0 || (half == 0 && quotient % 2 != 0)) return awayFromZero(quotient, dividend);
    return quotient;
}

}  // namespace vantir
