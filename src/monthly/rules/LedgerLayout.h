#pragma once

#include <QString>

#include "platform/report/ReportDefinition.h"

namespace vantir {

struct LedgerReport;

// What heads every page of a ledger report, as the runner worked it out.
struct LedgerHeadings {
    QString month;         // the ledger month label: "24/05月分"
    QString office;        // LBL_Ten
    QString dateRange;     // LBL_Date
    QString closingLabel;  // "20日締", "末締"
};

// The layout of the sales-ledger window "売上元帳" and the purchase-ledger window
// "仕入元帳" on A4 portrait: one partner after the other, each on a page of its own, its
// slips and receipts (payments) in date order and its sums under them.
ReportDefinition ledgerLayout(const LedgerReport& report, const PageSetup& paper,
                              const LedgerHeadings& headings);

}  // namespace vantir
