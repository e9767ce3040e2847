#include "monthly/rules/MonthlyReportRun.h"

#include "common/printing/PrintError.h"
#include "common/printing/PrintSelection.h"
#include "common/printing/WorkingCopyPrint.h"
#include "common/rules/DateRuleMessages.h"
#include "data/DataModule1.h"
#include "data/DataModule2.h"
#include "monthly/rules/MonthlyReportShape.h"
#include "platform/db/SqlQuote.h"

namespace vantir {

MonthlyReportRun MonthlyReportRun::begin(const MonthlyReportShape& shape,
                                         const PrintSources& sources,
                                         const PrintSelection& selection) {
    if (selection.sime.trimmed().isEmpty() || selection.month.trimmed().isEmpty())
        throw PrintError(dateRuleMessage::enterClosingDayOrMonth);
    refreshWorkingCopyForPrint(sources);
    auto values =
        MonthlyRunValues::read(selection.sime, selection.month, sources.dm1.database().connection(),
                               sources.dm2.database().connection());
    if (!values) throw PrintError(values.message);
    MonthlyReportRun run;
    run.values = std::move(*values.value);
    const bool ranged = !selection.from.isEmpty() || !selection.to.isEmpty();
    run.from = ranged ? selection.from : shape.from;
    run.to = ranged ? selection.to : shape.to;
    run.choice = selection.choice.isEmpty() ? shape.choice : selection.choice;
    return run;
}

QStringList MonthlyReportRun::periodLines(const QString& column, const QString& start,
                                          const QString& end) {
    return {QStringLiteral("WHERE (%1 >= %2").arg(column, sqlQuote(start)),
            QStringLiteral("AND %1 <= %2)").arg(column, sqlQuote(end))};
}

QString MonthlyReportRun::rangeLine(const QString& column) const {
    return QStringLiteral("AND (%1 >= %2 AND %1 <= %3)").arg(column, sqlQuote(from), sqlQuote(to));
}

}  // namespace vantir
