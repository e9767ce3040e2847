#pragma once

#include <QString>

namespace vantir {

class Dataset;
class MonthlyWorkTables;
struct MonthlyReportRun;

// The extract of the slip summaries and the profit-rate tables: the period's slips of
// HITRAN1 (by DDAY, within the code range of `rangeColumn`, and `extraLine` when given)
// into HWRK2 with the run's tax rate, listed by Q_HWRK2 in `orderLine`.
Dataset& extractSlipReport(MonthlyWorkTables& tables, const MonthlyReportRun& run,
                           const QString& rangeColumn, const QString& extraLine,
                           const QString& orderLine);

}  // namespace vantir
