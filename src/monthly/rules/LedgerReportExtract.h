#pragma once

#include <QString>
#include <QtGlobal>

#include "monthly/rules/LedgerReport.h"

namespace vantir {

class DataModule2;
class QueryDataset;

// The rows of a ledger report, built in the working copy: the ledger's or the slips'
// rows of the period for the partners of the code range into HWRK1 with the other
// side's amounts cleared, the receipts (payments) of the period into HWRK2 (HWRK3) and
// added to HWRK1 with their amounts, the partners' aggregate rows of the month into
// HWRK31. A ledger row is listed only when its partner has an aggregate row.
class LedgerReportExtract {
  public:
    struct Values {
        ClosingPeriod slips;      // the period, or the part of it an "S" report prints
        ClosingPeriod aggregate;  // S..E: the month of the aggregate rows
        QString from;             // the code range, compared as text
        QString to;
        qint64 taxRate = 0;
    };

    // Fills the work tables and opens the side's list query on them; returns it (empty
    // when nothing was selected).
    static QueryDataset& run(DataModule2& workingCopy, const LedgerReport& report,
                             const Values& values);
};

}  // namespace vantir
