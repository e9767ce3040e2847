#include "billing/rules/QR_Seikyu.h"

#include "billing/rules/InvoiceSheetValue.h"
#include "common/printing/PrintedDates.h"
#include "platform/report/ReportColumnTable.h"

namespace vantir {

namespace {

// The body of A4 portrait inside 10 mm margins, for which the form is drawn.
constexpr double kA4Body = 190.0;
// The column boundaries on A4, for the rules between the columns.
const double kRules[] = {0, 16, 86, 100, 114, 140, 160, 190};

void addRules(ReportBand& band, double across) {
    for (double x : kRules) band.add(ReportElement::verticalRule(x * across));
}

}  // namespace

ReportDefinition QR_Seikyu(const PageSetup& paper, std::shared_ptr<const InvoiceSheet> sheet) {
    ReportDefinition report(QStringLiteral("請求書印刷"), paper);
    const double body = paper.bodyRect().width();
    const double across = body / kA4Body;
    const double right = body - 80;  // the invoice date and the company block

    ReportBand& header = report.setPageHeader(54);
    header.setPrintOnFirstPage(!paper.isContinuousForm());
    header
        .add(ReportElement::text(QStringLiteral("御  請  求  書"), 0, 0, body, 11)
                 .align(Qt::AlignHCenter)
                 .font(ReportFont::mincho(20))
                 .bold())
        .add(ReportElement::pageNumber(body - 20, 0, 20, 5).align(Qt::AlignRight))
        .add(ReportElement::expression(sheetText(sheet, &InvoiceSheet::KZIP), 0, 14, 90, 5))
        .add(ReportElement::expression(sheetText(sheet, &InvoiceSheet::KADD1), 0, 19, 100, 5))
        .add(ReportElement::expression(sheetText(sheet, &InvoiceSheet::KADD2), 0, 24, 100, 5))
        .add(ReportElement::expression(customerLine(sheet), 0, 31, 105, 8)
                 .pointSize(13)
                 .bold()
                 .underline())
        .add(ReportElement::expression(sheetText(sheet, &InvoiceSheet::THYMD), right, 12, 80, 5)
                 .align(Qt::AlignRight))
        .add(ReportElement::expression(sheetText(sheet, &InvoiceSheet::CNAME), right, 18, 80, 6)
                 .pointSize(11)
                 .bold())
        .add(ReportElement::expression(sheetText(sheet, &InvoiceSheet::CZIP), right, 24, 80, 5))
        .add(ReportElement::expression(sheetText(sheet, &InvoiceSheet::CADD1), right, 29, 80, 5))
        .add(ReportElement::expression(telephoneLine(sheet), right, 34, 80, 5))
        .add(ReportElement::expression(sheetText(sheet, &InvoiceSheet::CBANK), right, 39, 80, 5))
        .add(ReportElement::expression(sheetText(sheet, &InvoiceSheet::CETC), 0, 46, body, 5));

    report.setTitle(14)
        .add(ReportElement::text(QStringLiteral("税率"), 0, 1, 12, 5))
        .add(ReportElement::expression(sheetYen(sheet, &InvoiceSheet::ZEIGAKU), 12, 1, 8, 5)
                 .amount())
        .add(ReportElement::text(QStringLiteral("％"), 20, 1, 6, 5))
        .add(ReportElement::text(QStringLiteral("消費税額"), 40 * across, 1, 28, 5))
        .add(ReportElement::text(QStringLiteral("￥"), 68 * across, 1, 5, 5))
        .add(ReportElement::expression(sheetYen(sheet, &InvoiceSheet::ZKING), 73 * across, 1, 30, 5)
                 .amount())
        .add(ReportElement::text(QStringLiteral("税込合計金額"), 40 * across, 7, 28, 6).bold())
        .add(ReportElement::text(QStringLiteral("￥"), 68 * across, 7, 5, 6).bold())
        .add(ReportElement::expression(sheetYen(sheet, &InvoiceSheet::GKING), 73 * across, 7, 30, 6)
                 .amount()
                 .bold());

    ReportColumnTable columns(across);
    columns.expression(QStringLiteral("月　日"), monthAndDay(QStringLiteral("DDAY")), 0, 16)
        .expression(
            QStringLiteral("輸　送　区　間"),
            [](const ReportContext& r) {
                return QVariant(r.text(QStringLiteral("HATTI")) + QStringLiteral("～") +
                                r.text(QStringLiteral("THTTI")));
            },
            16, 70)
        .text(QStringLiteral("車種"), QStringLiteral("TON"), 86, 14)
        .text(QStringLiteral("車番"), QStringLiteral("SHBAN"), 100, 14)
        .amount(QStringLiteral("金　　額"), QStringLiteral("UKING"), 114, 25)
        .amount(QStringLiteral("費　用"), QStringLiteral("UHIYO"), 140, 19)
        .text(QStringLiteral("備　　考"), QStringLiteral("BIKO"), 161, 29);

    ReportBand& heads = report.setColumnHeader(7);
    heads.add(ReportElement::box(0, 0, body, 7));
    addRules(heads, across);
    columns.addHeadings(heads, 0, 7);

    ReportBand& detail = report.setDetail(6);
    detail.add(ReportElement::line(0, 6, body, 6));
    addRules(detail, across);
    columns.addCells(detail, 0.5, 5);

    ReportBand& totals = report.setSummary(7);
    totals.setAtPageFoot();
    totals.add(ReportElement::box(0, 0, body, 7))
        .add(ReportElement::text(QStringLiteral("合　　計"), 16 * across, 1, 70 * across, 5)
                 .align(Qt::AlignHCenter));
    addRules(totals, across);
    columns.addTotals(totals, QStringLiteral("TOTAL_"), AggregateReset::AfterBand, 1, 5);
    return report;
}

}  // namespace vantir
