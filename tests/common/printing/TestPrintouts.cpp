#include "TestPrintouts.h"

#include "common/printing/PrintoutRegistry.h"
#include "data/DataModule1.h"
#include "data/DataModule2.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/db/SqlQuote.h"
#include "platform/report/ReportColumnTable.h"

namespace vantir::test {

namespace {

// The body of A4 portrait inside 10 mm margins, for which the columns are drawn.
constexpr double kA4Body = 190.0;

Dataset& receiptsOfRange(const PrintSources& sources, const PrintSelection& selection) {
    QueryDataset& receipts = sources.dm1.query(QStringLiteral("Q_HIT2R"));
    QStringList sql{QStringLiteral("SELECT * FROM HITRAN2"),
                    QStringLiteral("WHERE DDAY >= ") + sqlQuote(selection.since),
                    QStringLiteral("AND DDAY <= ") + sqlQuote(selection.until)};
    if (!selection.partner.isEmpty())
        sql << QStringLiteral("AND KCODE = ") + sqlQuote(selection.partner);
    sql << QStringLiteral("ORDER BY KCODE, DDAY, CODE");
    receipts.setSql(sql);
    receipts.open();
    return receipts;
}

// The month, then two spaces and the closing day with "日締" when one is given.
QString leftHeading(const PrintSelection& selection) {
    if (selection.sime.isEmpty()) return selection.month;
    return selection.month + QStringLiteral("  ") + selection.sime + QStringLiteral("日締");
}

ReportDefinition receiptList(const PageSetup& paper, const PrintSelection& selection) {
    ReportDefinition report(QStringLiteral("入金伝票一覧表"), paper);
    const double body = paper.bodyRect().width();
    ReportColumnTable columns(body / kA4Body);
    columns.text(QStringLiteral("日付"), QStringLiteral("DDAY"), 0, 22)
        .expression(
            QStringLiteral("得意先"),
            [](const ReportContext& r) {
                return QVariant(r.text("KCODE") + QLatin1Char(' ') + r.text("KNAME"));
            },
            22, 70)
        .amount(QStringLiteral("金　　額"), QStringLiteral("UKING"), 92, 30)
        .text(QStringLiteral("適　　用"), QStringLiteral("BIKO"), 126, 44)
        .text(QStringLiteral("コード"), QStringLiteral("CODE"), 170, 20);

    ReportBand& header = report.setPageHeader(16);
    header.add(ReportElement::pageNumber(0, 0, 20, 5))
        .add(ReportElement::text(report.name(), 0, 0, body, 7)
                 .align(Qt::AlignHCenter)
                 .font(ReportFont::mincho(14))
                 .bold())
        .add(ReportElement::printDate(body - 30, 0, 30, 5).align(Qt::AlignRight))
        .add(ReportElement::text(leftHeading(selection), 0, 9, 90, 5));
    if (!selection.from.isEmpty())
        header.add(ReportElement::text(selection.from + QStringLiteral("～") + selection.to,
                                       body - 90, 9, 90, 5)
                       .align(Qt::AlignRight));
    ReportGroup& customer = report.addGroup(QStringLiteral("KCODE"));
    columns.addHeadings(customer.setHeader(6), 0, 6);
    columns.addCells(report.setDetail(5), 0, 5);
    // The receipt lists total from the first line of the print, not per customer.
    columns.addTotals(customer.setFooter(6), QStringLiteral("GROUP_"), AggregateReset::Running, 0,
                      5);
    columns.addTotals(report.setPageFooter(6), QStringLiteral("PAGE_"), AggregateReset::Running, 0,
                      5);
    return report;
}

Dataset& paymentsOfMonth(const PrintSources& sources, const PrintSelection& selection) {
    QueryDataset& payments = sources.dm2.query(QStringLiteral("Q_HIT3R"));
    payments.setSql({QStringLiteral("SELECT * FROM HITRAN3"),
                     QStringLiteral("WHERE DDAY >= :FIRST"), QStringLiteral("AND DDAY <= :LAST"),
                     QStringLiteral("ORDER BY CODE")});
    payments.setParam(QStringLiteral("FIRST"), QString(selection.month + QStringLiteral("/01")));
    payments.setParam(QStringLiteral("LAST"), QString(selection.month + QStringLiteral("/31")));
    payments.open();
    return payments;
}

ReportDefinition paymentList(const PageSetup& paper, const PrintSelection& selection) {
    ReportDefinition report(QStringLiteral("支払伝票一覧表"), paper);
    ReportColumnTable columns;
    columns.text(QStringLiteral("傭車先"), QStringLiteral("YCODE"), 0, 20)
        .text(QStringLiteral("傭車先名"), QStringLiteral("YNAME"), 20, 60)
        .amount(QStringLiteral("金　　額"), QStringLiteral("SKING"), 80, 30);
    report.setPageHeader(7)
        .add(ReportElement::text(report.name(), 0, 0, 90, 7))
        .add(ReportElement::text(selection.month, 100, 0, 30, 7));
    columns.addHeadings(report.setColumnHeader(6), 0, 6);
    columns.addCells(report.setDetail(5), 0, 5);
    ReportBand& summary = report.setSummary(5);
    summary.addCount(QStringLiteral("COUNT"))
        .add(ReportElement::text(QStringLiteral("件数"), 0, 0, 20, 5))
        .add(ReportElement::aggregate(QStringLiteral("COUNT"), 20, 0, 20, 5).amount());
    columns.addTotals(summary, QStringLiteral("TOTAL_"), AggregateReset::AfterBand, 0, 5);
    return report;
}

}  // namespace

void registerTestPrintouts(PrintoutRegistry& registry) {
    registry.addPair({QStringLiteral("QR_NyukinTest"),
                      PageSetup::a4(PageOrientation::Portrait, PageMargins::all(10)),
                      {{PrintOption::DateRange, /*required=*/true},
                       {PrintOption::Partner},
                       {PrintOption::Month},
                       {PrintOption::Sime},
                       {PrintOption::CodeRange}},
                      {},
                      receiptsOfRange,
                      receiptList},
                     {.top = 10, .bottom = 10, .left = 15, .right = 9});
    registry.add({QStringLiteral("QR_HaraiTest"),
                  PageSetup::a4(PageOrientation::Portrait, PageMargins::all(10)),
                  {{PrintOption::Month, /*required=*/true}},
                  {},
                  paymentsOfMonth,
                  paymentList});
}

}  // namespace vantir::test
