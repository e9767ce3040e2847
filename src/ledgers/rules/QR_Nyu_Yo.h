#pragma once

#include "common/printing/Printout.h"

namespace vantir {

// The expected receipts "入金予定表" of a month (--month): per customer a line with its
// code, name and closing day, then each aggregate expected from the month's first day on
// with its receipt date, sales, costs, inter-branch sales, tax and total, the customer's
// sums under them; the page's sums at its foot. On A4; its twin on the continuous form.
Printout QR_Nyu_Yo();

}  // namespace vantir
