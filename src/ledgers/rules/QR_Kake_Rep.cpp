#include "ledgers/rules/QR_Kake_Rep.h"

#include "data/DataModule2.h"
#include "ledgers/rules/SchedulePage.h"
#include "ledgers/rules/ScheduleWorkTables.h"
#include "platform/dataset/TableDataset.h"
#include "platform/report/ReportColumnTable.h"
#include "platform/report/ReportDefinition.h"

namespace vantir {

namespace {

Dataset& balances(const PrintSources& sources, const PrintSelection& selection) {
    const ScheduleWorkTables tables(sources, selection.month);
    tables.balances();
    TableDataset& rows = sources.dm2.table(QStringLiteral("HIMAS33"));
    rows.close();
    rows.open();
    return rows;
}

ReportDefinition define(const PageSetup& paper, const PrintSelection& selection) {
    ReportDefinition report(QStringLiteral("売掛・買掛一覧表"), paper);
    const double body = paper.bodyRect().width();
    ReportColumnTable columns(body / schedulePage::kA4Body);
    columns.amount(QStringLiteral("売掛金"), QStringLiteral("URIZAN"), 10, 36)
        .expression(
            QStringLiteral("取引先名"),
            [](const ReportContext& row) {
                return QVariant(row.text(QStringLiteral("KCODE")) + QLatin1Char(' ') +
                                row.text(QStringLiteral("KNAME")));
            },
            54, 82)
        .amount(QStringLiteral("買掛金"), QStringLiteral("SIRZAN"), 144, 36);

    // The query has checked the month before the layout is made.
    report.setPageHeader(12)
        .add(ReportElement::text(ScheduleWorkTables::monthRange(selection.month).end, 0, 0, 30, 5))
        .add(ReportElement::text(report.name(), 0, 0, body, 7)
                 .align(Qt::AlignHCenter)
                 .font(ReportFont::mincho(14))
                 .bold())
        .add(ReportElement::printDate(body - 30, 0, 30, 5).align(Qt::AlignRight))
        .add(ReportElement::pageNumber(body - 30, 6, 30, 5).align(Qt::AlignRight));
    columns.addHeadings(report.setColumnHeader(7), 0, 6);
    columns.addCells(report.setDetail(5), 0, 5);
    columns.addTotals(report.setSummary(7), QStringLiteral("TOTAL_"), AggregateReset::Running, 2,
                      5);
    return report;
}

}  // namespace

Printout QR_Kake_Rep() {
    return {QStringLiteral("QR_Kake_Rep"),
            PageSetup::a4(PageOrientation::Portrait, PageMargins::all(10)),
            {{PrintOption::Month, /*required=*/true}},
            {},
            balances,
            define};
}

}  // namespace vantir
