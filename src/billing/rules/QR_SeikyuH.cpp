#include "billing/rules/QR_SeikyuH.h"

#include "billing/rules/InvoiceSheetValue.h"

namespace vantir {

namespace {

constexpr double kA4Body = 190.0;
constexpr double kRowHeight = 9.0;

// The table's three columns on A4: heading, left edge, width.
struct TableColumn {
    const char* heading;
    double x;
    double width;
};
const TableColumn kTable[] = {
    {"摘　   　　　要", 15, 50}, {"金　　　   　　額", 65, 55}, {"備　　   　　　考", 120, 55}};

// A row of the table: its text in the first column and its amount in the second.
void addRow(ReportBand& band, double across, double y, const QString& label,
            ReportExpression amount) {
    for (const TableColumn& column : kTable)
        band.add(ReportElement::box(column.x * across, y, column.width * across, kRowHeight));
    band.add(ReportElement::text(label, kTable[0].x * across, y + 2, kTable[0].width * across, 5)
                 .align(Qt::AlignHCenter));
    band.add(ReportElement::expression(std::move(amount), kTable[1].x * across, y + 2,
                                       kTable[1].width * across - 3, 5)
                 .amount());
}

ReportExpression rowYen(const char* column) {
    const QString name = QString::fromLatin1(column);
    return [name](const ReportContext& r) { return QVariant::fromValue(r.integer(name)); };
}

}  // namespace

ReportDefinition QR_SeikyuH(const PageSetup& paper, std::shared_ptr<const InvoiceSheet> sheet) {
    ReportDefinition report(QStringLiteral("請求書ヘッダ"), paper);
    const double body = paper.bodyRect().width();
    const double across = body / kA4Body;
    const double right = body - 80;

    report.setTitle(66)
        .add(ReportElement::text(QStringLiteral("御  請  求  書"), 0, 0, body, 12)
                 .align(Qt::AlignHCenter)
                 .font(ReportFont::mincho(20))
                 .bold())
        .add(ReportElement::expression(sheetText(sheet, &InvoiceSheet::THYMD), right, 14, 80, 5)
                 .align(Qt::AlignRight))
        .add(ReportElement::expression(sheetText(sheet, &InvoiceSheet::CNAME), right, 21, 80, 6)
                 .pointSize(11)
                 .bold())
        .add(ReportElement::expression(sheetText(sheet, &InvoiceSheet::CADD1), right, 27, 80, 5))
        .add(ReportElement::expression(telephoneLine(sheet), right, 32, 80, 5))
        .add(ReportElement::expression(sheetText(sheet, &InvoiceSheet::CBANK), right, 37, 80, 5))
        .add(ReportElement::expression(sheetText(sheet, &InvoiceSheet::CETC), 0, 44, body, 5))
        .add(ReportElement::expression(customerLine(sheet), 0, 54, 110, 8)
                 .pointSize(13)
                 .bold()
                 .underline());

    ReportBand& detail = report.setDetail(5 * kRowHeight + 4);
    for (const TableColumn& column : kTable) {
        detail.add(ReportElement::box(column.x * across, 0, column.width * across, kRowHeight))
            .add(ReportElement::text(QString::fromUtf8(column.heading), column.x * across, 2,
                                     column.width * across, 5)
                     .align(Qt::AlignHCenter));
    }
    addRow(detail, across, kRowHeight, QStringLiteral("売　　上　　高"), rowYen("UKING"));
    addRow(detail, across, 2 * kRowHeight, QStringLiteral("値 引 き 金 額"), rowYen("SKING"));
    addRow(detail, across, 3 * kRowHeight, QStringLiteral("有　　料　　代"), rowYen("UHIYO"));
    addRow(detail, across, 4 * kRowHeight, QStringLiteral("消　　費　　税"), rowYen("ZKING"));

    ReportBand& summary = report.setSummary(kRowHeight + 2);
    addRow(summary, across, 0, QStringLiteral("当 月 請 求 額"), [](const ReportContext& r) {
        return QVariant::fromValue(
            r.integer(QStringLiteral("UKING")) - r.integer(QStringLiteral("SKING")) +
            r.integer(QStringLiteral("UHIYO")) + r.integer(QStringLiteral("ZKING")));
    });
    return report;
}

}  // namespace vantir
