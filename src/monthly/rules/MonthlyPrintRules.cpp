#include "monthly/rules/MonthlyPrintRules.h"

#include "common/printing/PrintError.h"
#include "data/DataModule1.h"

namespace vantir {

namespace {

const MonthlyReportShape& shapeOf(const QString& reportName) {
    const MonthlyReportShape* shape = MonthlyReportShape::find(reportName);
    if (!shape)
        throw PrintError(QStringLiteral("月次印刷範囲設定 does not print %1").arg(reportName));
    return *shape;
}

}  // namespace

MonthlyPrintRules::MonthlyPrintRules(const QString& reportName, const PrintoutRegistry& registry,
                                     PrintSources sources)
    : shape_(shapeOf(reportName)), sources_(sources), runner_(registry, sources) {}

MonthlyOpeningFields MonthlyPrintRules::opening() const {
    return MonthlyOpeningFields::read(sources_.dm1.database().connection());
}

PrintSelection MonthlyPrintRules::selection(const QString& closingDay, const QString& month,
                                            const QString& from, const QString& to,
                                            const QString& choice) const {
    PrintSelection selection;
    selection.sime = closingDay.trimmed();
    selection.month = month.trimmed();
    selection.from = from;
    selection.to = to;
    if (shape_.hasChoice()) selection.choice = choice.trimmed();
    return selection;
}

PageModel MonthlyPrintRules::layOut(const PrintSelection& selection) const {
    return runner_.layOut(shape_.report, selection);
}

}  // namespace vantir
