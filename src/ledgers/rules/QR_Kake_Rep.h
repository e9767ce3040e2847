#pragma once

#include "common/printing/Printout.h"

namespace vantir {

// The receivables and payables "売掛・買掛一覧表" at the end of a month (--month): per
// partner its receivable, code and name, and payable (HIMAS33, ScheduleBalances), headed
// by the month's last day; the sums of both at the end. On A4; its twin on the continuous
// form.
Printout QR_Kake_Rep();

}  // namespace vantir
