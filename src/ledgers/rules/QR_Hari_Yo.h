#pragma once

#include "common/printing/Printout.h"

namespace vantir {

// The expected payments "支払予定表" of a month (--month): each carrier's aggregates whose
// payment date falls in the month, with the carrier fee, costs, inter-branch fee and
// total; the page's sums at its foot. On A4; its twin on the continuous form.
Printout QR_Hari_Yo();

}  // namespace vantir
