#pragma once

#include <QList>

#include "common/printing/Printout.h"

namespace vantir {

// The slip summaries QR_TK_SM (得意先収支明細), QR_YS_SM (傭車先収支明細), QR_IN_SM and
// QR_INS_SM (社内取引集計表, sales and purchase side): every slip of the period in two
// lines, by partner; the page footer carries the first three amount columns as running
// sums from the first slip, and works tax, profit, total, difference and rate out of the
// sums of the slips on the page.
QList<Printout> slipSummaryPrintouts();

}  // namespace vantir
