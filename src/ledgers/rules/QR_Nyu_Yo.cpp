#include "ledgers/rules/QR_Nyu_Yo.h"

#include "common/printing/PrintedDates.h"
#include "data/DataModule2.h"
#include "ledgers/rules/SchedulePage.h"
#include "ledgers/rules/ScheduleWorkTables.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/report/ReportColumnTable.h"
#include "platform/report/ReportDefinition.h"

namespace vantir {

namespace {

// The tax of a row: its sales at the rate in SHOZEI, cut toward zero.
qint64 tax(const ReportContext& row) {
    return row.integer(QStringLiteral("UKING")) * row.integer(QStringLiteral("SHOZEI")) / 100;
}

Dataset& expectedReceipts(const PrintSources& sources, const PrintSelection& selection) {
    const ScheduleWorkTables tables(sources, selection.month);
    tables.expectedReceipts();
    QueryDataset& rows = sources.dm2.query(QStringLiteral("Q_HWRK31"));
    rows.setSql({QStringLiteral("SELECT * FROM HWRK31"), QStringLiteral("ORDER BY KCODE,SHYMD")});
    rows.open();
    return rows;
}

ReportDefinition define(const PageSetup& paper, const PrintSelection&) {
    ReportDefinition report(QStringLiteral("入金予定表"), paper);
    const double across = paper.bodyRect().width() / schedulePage::kA4Body;
    // The customer's line and the lines of its aggregates share one heading row.
    ReportColumnTable customer(across);
    customer.text(QStringLiteral("コード"), QStringLiteral("KCODE"), 0, 14)
        .text(QStringLiteral("得 意 先 名"), QStringLiteral("KNAME"), 14, 50)
        .text(QStringLiteral("締日"), QStringLiteral("SIME"), 64, 10);
    ReportColumnTable lines(across);
    lines.expression(QStringLiteral("入金日"), monthAndDay(QStringLiteral("SHYMD")), 74, 14)
        .amount(QStringLiteral("売上金額"), QStringLiteral("UKING"), 88, 20.4)
        .amount(QStringLiteral("売上費用"), QStringLiteral("UHIYO"), 108.4, 20.4)
        .amount(QStringLiteral("社内売上"), QStringLiteral("INKING"), 128.8, 20.4)
        .amount(
            QStringLiteral("消費税"), QStringLiteral("ZEI"),
            [](const ReportContext& row) { return QVariant(tax(row)); }, 149.2, 20.4)
        .amount(
            QStringLiteral("合  計"), QStringLiteral("TOTAL"),
            [](const ReportContext& row) {
                return QVariant(tax(row) + row.integer(QStringLiteral("UKING")) +
                                row.integer(QStringLiteral("UHIYO")) +
                                row.integer(QStringLiteral("INKING")));
            },
            169.6, 20.4);

    schedulePage::addHeader(report);
    ReportBand& heads = report.setTitle(7);
    customer.addHeadings(heads, 0, 6);
    lines.addHeadings(heads, 0, 6);
    ReportGroup& group = report.addGroup(QStringLiteral("KCODE"));
    customer.addCells(group.setHeader(5), 0, 5);
    lines.addCells(report.setDetail(5), 0, 5);
    // The customer's sums, then an empty line before the next customer.
    lines.addTotals(group.setFooter(10), QStringLiteral("CUSTOMER_"), AggregateReset::AfterBand, 0,
                    5);
    lines.addTotals(report.setPageFooter(6), QStringLiteral("PAGE_"), AggregateReset::AfterBand, 0,
                    5);
    return report;
}

}  // namespace

Printout QR_Nyu_Yo() {
    return {QStringLiteral("QR_Nyu_Yo"),
            PageSetup::a4(PageOrientation::Portrait, PageMargins::all(10)),
            {{PrintOption::Month, /*required=*/true}},
            {},
            expectedReceipts,
            define};
}

}  // namespace vantir
