#pragma once

#include "monthly/rules/LedgerReport.h"

namespace vantir {

class Dataset;
class MonthlyWorkTables;
struct MonthlyReportRun;

// The rows of a ledger report, built in the working copy: the ledger's or the slips' rows
// of the period for the partners of the code range into HWRK1 with the other side's
// amounts cleared, the receipts (payments) of the period into HWRK2 (HWRK3) and added to
// HWRK1 with their amounts, the partners' aggregate rows of S..E into HWRK31. A ledger row
// is listed only when its partner has an aggregate row; the side's list query gives them
// partner by partner, each in date order. Nothing to list refuses the print with
// "該当するデータがありません。".
Dataset& extractLedgerReport(MonthlyWorkTables& tables, const LedgerReport& report,
                             const MonthlyReportRun& run);

}  // namespace vantir
