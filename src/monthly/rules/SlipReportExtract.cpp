#include "monthly/rules/SlipReportExtract.h"

#include "monthly/rules/MonthlyReportRun.h"
#include "monthly/rules/MonthlyWorkTables.h"

namespace vantir {

Dataset& extractSlipReport(MonthlyWorkTables& tables, const MonthlyReportRun& run,
                           const QString& rangeColumn, const QString& extraLine,
                           const QString& orderLine) {
    QStringList sql{QStringLiteral("SELECT * FROM HITRAN1")};
    sql << MonthlyReportRun::periodLines(QStringLiteral("DDAY"), run.values.start, run.values.end)
        << run.rangeLine(rangeColumn);
    if (!extraLine.isEmpty()) sql << extraLine;
    const QString workTable = QStringLiteral("HWRK2");
    tables.copy(workTable, sql, run.values.taxRate);
    return tables.openList(QStringLiteral("Q_HWRK2"),
                           {QStringLiteral("SELECT * FROM HWRK2"), orderLine});
}

}  // namespace vantir
