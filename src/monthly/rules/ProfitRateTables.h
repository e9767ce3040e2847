#pragma once

#include <QList>

#include "common/printing/Printout.h"

namespace vantir {

// The profit-rate tables QR_Rieki (by customer) and QR_Eki_Tan (by staff member): one
// line per customer or staff member with sales, carrier fees, gross profit and its rate
// over the period's slips, and a page-footer line with the sums of the page.
QList<Printout> profitRatePrintouts();

}  // namespace vantir
