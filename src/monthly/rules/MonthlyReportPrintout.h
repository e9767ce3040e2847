#pragma once

#include <functional>

#include "common/printing/Printout.h"

namespace vantir {

class MonthlyWorkTables;
struct MonthlyReportRun;

// Extracts a month-based report's rows into its work tables and opens its list query.
using MonthlyReportExtract =
    std::function<Dataset&(MonthlyWorkTables& tables, const MonthlyReportRun& run)>;
using MonthlyReportLayout =
    std::function<ReportDefinition(const PageSetup& paper, const PrintSelection& selection)>;

// A month-based report as a printout of its own name: one layout on A4 portrait, taking
// --sime (01 to 31 or 99) and --month, --from/--to and, where its dialog has a third row,
// --choice. Its query begins the run (MonthlyReportRun::begin: the empty-field refusal,
// the working-copy refresh, the run values) and hands it to `extract`.
// Throws PrintError for a name that is not a month-based report.
Printout monthlyReportPrintout(const QString& name, MonthlyReportExtract extract,
                               MonthlyReportLayout define);

}  // namespace vantir
