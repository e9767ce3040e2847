#include "monthly/rules/MonthlyReportPrintout.h"

#include "common/printing/PrintError.h"
#include "data/DataModule2.h"
#include "monthly/rules/MonthlyReportRun.h"
#include "monthly/rules/MonthlyReportShape.h"
#include "monthly/rules/MonthlyWorkTables.h"

namespace vantir {

Printout monthlyReportPrintout(const QString& name, MonthlyReportExtract extract,
                               MonthlyReportLayout define) {
    const MonthlyReportShape* shape = MonthlyReportShape::find(name);
    if (!shape) throw PrintError(QStringLiteral("%1 is not a month-based report").arg(name));
    QList<PrintoutOption> options{{PrintOption::Sime, /*required=*/true},
                                  {PrintOption::Month, /*required=*/true},
                                  {PrintOption::CodeRange}};
    if (shape->hasChoice()) options.append({PrintOption::Choice});
    Printout printout{
        name,
        PageSetup::a4(PageOrientation::Portrait, PageMargins::all(10)),
        options,
        {},
        [shape, extract = std::move(extract)](const PrintSources& sources,
                                              const PrintSelection& selection) -> Dataset& {
            const MonthlyReportRun run = MonthlyReportRun::begin(*shape, sources, selection);
            MonthlyWorkTables tables(sources.dm2);
            return extract(tables, run);
        },
        std::move(define)};
    printout.lastClosingDay = 31;
    return printout;
}

}  // namespace vantir
