#pragma once

#include <QList>

#include "common/printing/Printout.h"

namespace vantir {

// The yearly sheets QR_Uri_Nen (年間売上表, from the customer aggregates HIMAS31) and
// QR_Sir_Nen (年間傭車料表, from the carrier aggregates HIMAS32): one line per stored
// month from the start of the fiscal year to the month printed, by partner, with the
// partner's sums under its months.
QList<Printout> yearlySheetPrintouts();

}  // namespace vantir
