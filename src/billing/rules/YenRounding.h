#pragma once

#include <QtGlobal>

namespace vantir {

// Whole yen from a quotient of whole numbers, each rounding named where it is used: the
// tax of an invoice run is cut toward zero, the tax after a discount goes half to the even
// yen, the discount itself half away from zero. Exact: no floating point in between.
// divisor must be above 0.
qint64 divideTowardZero(qint64 dividend, qint64 divisor);
qint64 divideHalfAwayFromZero(qint64 dividend, qint64 divisor);
qint64 divideHalfToEven(qint64 dividend, qint64 divisor);

}  // namespace vantir
