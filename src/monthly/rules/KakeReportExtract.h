#pragma once

#include <QString>
#include <QtGlobal>

#include "monthly/rules/KakeReport.h"

namespace vantir {

class DataModule2;
class QueryDataset;

// The slips of a receivable or payable report, built in the working copy with the
// partner's terms: the customers' slips of the period whose partner closes on the
// closing day into HWRK1; the carriers' slips of the period into HWRK2, those of every
// carrier settled on the company's closing day (closing flag "1") or of the carriers
// that close on the closing day themselves (closing flag "2"). The carrier of a slip is
// the partner whose YCODE it names, as the monthly aggregation matches it.
class KakeReportExtract {
  public:
    struct Values {
        QString start;  // the period S..E
        QString end;
        QString closingDay;   // "01".."31", "99"
        QString closingFlag;  // "1" or "2"; only the payable side reads it
        QString from;         // the code range, compared as text
        QString to;
        qint64 taxRate = 0;
    };

    // Fills the side's work table and opens its list query on the partners of the code
    // range; returns it (empty when nothing was selected).
    static QueryDataset& run(DataModule2& workingCopy, const KakeSide& side, const Values& values);
};

}  // namespace vantir
