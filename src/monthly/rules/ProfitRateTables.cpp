#include "monthly/rules/ProfitRateTables.h"

#include "monthly/rules/MonthlyReportBands.h"
#include "monthly/rules/MonthlyReportPrintout.h"
#include "monthly/rules/SlipReportExtract.h"
#include "platform/report/ReportDefinition.h"

namespace vantir {

namespace {

using monthlyReportBands::kLine;

struct ProfitRateTable {
    const char* name;
    QString heading;
    QString title;
    QString codeColumn;  // the group, and the range of the dialog
    QString nameColumn;
    QString firstCaption;
    QString orderLine;
};

QList<ProfitRateTable> rateTables() {
    return {{"QR_Rieki", QStringLiteral("［   得 意 先 別 利 益 率 表   ］"),
             QStringLiteral("得意先別利益率表"), QStringLiteral("KCODE"), QStringLiteral("KNAME"),
             QStringLiteral("得意先名"), QStringLiteral("ORDER BY KCODE,DDAY,SHBAN")},
            {"QR_Eki_Tan", QStringLiteral("［   担 当 者 別 利 益 率 表   ］"),
             QStringLiteral("担当者別利益率表"), QStringLiteral("TANCOD"), QStringLiteral("TANMEI"),
             QStringLiteral("担当者名"), QStringLiteral("ORDER BY TANCOD,DDAY")}};
}

constexpr double kNameWidth = 70;
constexpr double kAmountWidth = 30;

double cellX(int i) { return kNameWidth + i * kAmountWidth; }

// The four figures of a line from the sums of a band: prefix + column.
void addFigures(ReportBand& band, const QString& prefix, double y) {
    for (const char* column : {"UKING", "UHIYO", "SKING"})
        band.addSum(prefix + QLatin1String(column), QLatin1String(column));
    const auto sum = [prefix](const ReportContext& c, const char* column) {
        return c.aggregateInteger(prefix + QLatin1String(column));
    };
    const ReportExpression sales = [sum](const ReportContext& c) {
        return QVariant(sum(c, "UKING") + sum(c, "UHIYO"));
    };
    const ReportExpression profit = [sum](const ReportContext& c) {
        return QVariant(sum(c, "UKING") + sum(c, "UHIYO") - sum(c, "SKING"));
    };
    // Blank when there are no sales to divide by.
    const ReportExpression rate = [sum](const ReportContext& c) {
        const qint64 sales = sum(c, "UKING");
        if (sales == 0) return QVariant();
        return QVariant(double(sales + sum(c, "UHIYO") - sum(c, "SKING")) * 100.0 / double(sales));
    };
    band.add(ReportElement::expression(sales, cellX(0), y, kAmountWidth, kLine).amount())
        .add(ReportElement::aggregate(prefix + QStringLiteral("SKING"), cellX(1), y, kAmountWidth,
                                      kLine)
                 .amount())
        .add(ReportElement::expression(profit, cellX(2), y, kAmountWidth, kLine).amount())
        .add(ReportElement::expression(rate, cellX(3), y, kAmountWidth, kLine)
                 .mask(QStringLiteral("##0.00"))
                 .align(Qt::AlignRight));
}

ReportDefinition define(const ProfitRateTable& table, const PageSetup& paper,
                        const PrintSelection& selection) {
    ReportDefinition report(table.title, paper);
    const double body = paper.bodyRect().width();
    ReportBand& header =
        monthlyReportBands::addPageHeader(report, table.heading, selection, 16 + kLine);
    header.add(
        ReportElement::text(table.firstCaption, 0, 16, kNameWidth, kLine).align(Qt::AlignHCenter));
    int i = 0;
    for (const char* caption : {"売上金額", "傭車料", "粗利", "利益率"})
        header.add(
            ReportElement::text(QString::fromUtf8(caption), cellX(i++), 16, kAmountWidth, kLine)
                .align(Qt::AlignHCenter));
    header.add(ReportElement::line(0, 16 + kLine, body, 16 + kLine));

    const QString code = table.codeColumn;
    const QString name = table.nameColumn;
    ReportBand& line = report.addGroup(code).setFooter(kLine);
    line.add(ReportElement::expression(
        [code, name](const ReportContext& row) {
            return QVariant(row.text(code) + QLatin1Char(' ') + row.text(name));
        },
        0, 0, kNameWidth, kLine));
    addFigures(line, QStringLiteral("GROUP_"), 0);

    ReportBand& footer = report.setPageFooter(kLine + 1);
    footer.add(ReportElement::line(0, 0.5, body, 0.5))
        .add(ReportElement::text(QStringLiteral("合　　計"), 0, 1, kNameWidth, kLine)
                 .align(Qt::AlignHCenter));
    addFigures(footer, QStringLiteral("PAGE_"), 1);
    return report;
}

}  // namespace

QList<Printout> profitRatePrintouts() {
    QList<Printout> printouts;
    for (const ProfitRateTable& table : rateTables()) {
        printouts << monthlyReportPrintout(
            QLatin1String(table.name),
            [table](MonthlyWorkTables& tables, const MonthlyReportRun& run) -> Dataset& {
                return extractSlipReport(tables, run, table.codeColumn, {}, table.orderLine);
            },
            [table](const PageSetup& paper, const PrintSelection& selection) {
                return define(table, paper, selection);
            });
    }
    return printouts;
}

}  // namespace vantir
