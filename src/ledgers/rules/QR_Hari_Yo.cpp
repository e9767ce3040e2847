#include "ledgers/rules/QR_Hari_Yo.h"

#include "common/printing/PrintedDates.h"
#include "data/DataModule2.h"
#include "ledgers/rules/SchedulePage.h"
#include "ledgers/rules/ScheduleWorkTables.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/report/ReportColumnTable.h"
#include "platform/report/ReportDefinition.h"

namespace vantir {

namespace {

Dataset& expectedPayments(const PrintSources& sources, const PrintSelection& selection) {
    const ScheduleWorkTables tables(sources, selection.month);
    tables.expectedPayments();
    QueryDataset& rows = sources.dm2.query(QStringLiteral("Q_HWRK32"));
    rows.setSql({QStringLiteral("SELECT * FROM HWRK32"), QStringLiteral("ORDER BY KCODE,SHYMD")});
    rows.open();
    return rows;
}

ReportDefinition define(const PageSetup& paper, const PrintSelection&) {
    ReportDefinition report(QStringLiteral("支払予定表"), paper);
    ReportColumnTable columns(paper.bodyRect().width() / schedulePage::kA4Body);
    columns.text(QStringLiteral("コード"), QStringLiteral("YCODE"), 0, 14)
        .text(QStringLiteral("傭 車 先 名"), QStringLiteral("KNAME"), 14, 56)
        .text(QStringLiteral("締日"), QStringLiteral("SIME"), 70, 10)
        .expression(QStringLiteral("支払日"), monthAndDay(QStringLiteral("SHYMD")), 80, 14)
        .amount(QStringLiteral("傭車料"), QStringLiteral("SKING"), 94, 24)
        .amount(QStringLiteral("支払費用"), QStringLiteral("SHIYO"), 118, 24)
        .amount(QStringLiteral("社内傭車"), QStringLiteral("INSKING"), 142, 24)
        .amount(QStringLiteral("合  計"), QStringLiteral("TOTAL"), schedulePage::paymentTotal, 166,
                24);

    schedulePage::addListBands(report, columns);
    return report;
}

}  // namespace

Printout QR_Hari_Yo() {
    return {QStringLiteral("QR_Hari_Yo"),
            PageSetup::a4(PageOrientation::Portrait, PageMargins::all(10)),
            {{PrintOption::Month, /*required=*/true}},
            {},
            expectedPayments,
            define};
}

}  // namespace vantir
