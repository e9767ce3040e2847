#pragma once

#include "monthly/rules/KakeReport.h"

namespace vantir {

class Dataset;
class MonthlyWorkTables;
struct MonthlyReportRun;

// The slips of a receivable or payable report, built in the working copy with the
// partner's terms: into HWRK1 the customers' slips of the period whose partner closes on
// the closing day d; into HWRK2 the carriers' slips of the period, with the closing flag
// n "1" those of every carrier not settled on its own closing day (whatever d), with "2"
// those of the carriers that close on d and are not settled on the company's. The carrier
// of a slip is the partner whose YCODE it names, as the monthly aggregation matches it.
// The side's list query lists the partners of the code range; nothing to list refuses the
// print with "該当するデータがありません。", a closing flag other than 1 or 2 with its own
// message.
Dataset& extractKakeReport(MonthlyWorkTables& tables, const KakeSide& side,
                           const MonthlyReportRun& run);

}  // namespace vantir
