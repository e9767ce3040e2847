#include "monthly/rules/LedgerAndKakePrintouts.h"

#include "common/printing/PrintSelection.h"
#include "monthly/rules/KakeLayout.h"
#include "monthly/rules/KakeReportExtract.h"
#include "monthly/rules/LedgerLayout.h"
#include "monthly/rules/LedgerReportExtract.h"
#include "monthly/rules/MonthlyReportHeader.h"
#include "monthly/rules/MonthlyReportPrintout.h"
#include "monthly/rules/MonthlyReportShape.h"

namespace vantir {

namespace {

using namespace monthlyReportHeader;

// The choice the print was made with: the dialog's opening value when none was given.
QString choiceOf(const QString& report, const PrintSelection& selection) {
    if (!selection.choice.isEmpty()) return selection.choice;
    const MonthlyReportShape* shape = MonthlyReportShape::find(report);
    return shape ? shape->choice : QString();
}

LedgerHeadings ledgerHeadings(const LedgerReport& report, const PrintSelection& selection) {
    const ClosingPeriod slips =
        report.slipPeriod(period(selection), choiceOf(report.name, selection));
    return {ledgerMonth(month(selection)), selection.office, dateRange(slips),
            closingDay(selection.sime.trimmed())};
}

KakeHeadings kakeHeadings(const KakeReport& report, const PrintSelection& selection) {
    return {selection.office, closingDay(selection.sime.trimmed()), dateRange(period(selection)),
            closingFlag(choiceOf(report.name, selection))};
}

}  // namespace

QList<Printout> ledgerAndKakePrintouts() {
    QList<Printout> printouts;
    for (const LedgerReport& report : LedgerReport::all()) {
        printouts << monthlyReportPrintout(
            report.name,
            [&report](MonthlyWorkTables& tables, const MonthlyReportRun& run) -> Dataset& {
                return extractLedgerReport(tables, report, run);
            },
            [&report](const PageSetup& paper, const PrintSelection& selection) {
                return ledgerLayout(report, paper, ledgerHeadings(report, selection));
            });
    }
    for (const KakeReport& report : KakeReport::all()) {
        printouts << monthlyReportPrintout(
            report.name,
            [&report](MonthlyWorkTables& tables, const MonthlyReportRun& run) -> Dataset& {
                return extractKakeReport(tables, *report.side, run);
            },
            [&report](const PageSetup& paper, const PrintSelection& selection) {
                return kakeLayout(report, paper, kakeHeadings(report, selection));
            });
    }
    return printouts;
}

}  // namespace vantir
