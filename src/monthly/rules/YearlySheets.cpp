#include "monthly/rules/YearlySheets.h"

#include "common/printing/PrintedDates.h"
#include "monthly/rules/MonthlyReportBands.h"
#include "monthly/rules/MonthlyReportPrintout.h"
#include "monthly/rules/MonthlyReportRun.h"
#include "monthly/rules/MonthlyRunValues.h"
#include "monthly/rules/MonthlyWorkTables.h"
#include "platform/report/ReportDefinition.h"

namespace vantir {

namespace {

using monthlyReportBands::kLine;

struct YearlySheet {
    const char* name;
    QString heading;
    QString title;
    // The aggregates of the side, and the work table and list query they are printed from.
    QString aggregates;
    QString workTable;
    QString listQuery;
    QString codeColumn;
    QString extraLine;
    QString groupCaption;
    // The four amount columns in the order they print, with their captions.
    QList<QPair<QString, QString>> amounts;
};

QList<YearlySheet> sheets() {
    return {{"QR_Uri_Nen",
             QStringLiteral("年 間 売 上 表"),
             QStringLiteral("年間売上票"),
             QStringLiteral("HIMAS31"),
             QStringLiteral("HWRK31"),
             QStringLiteral("Q_HWRK31"),
             QStringLiteral("KCODE"),
             QStringLiteral("AND UKING + UHIYO >= 0"),
             QStringLiteral("得意先名"),
             {{QStringLiteral("売上金額"), QStringLiteral("UKING")},
              {QStringLiteral("仕入金額"), QStringLiteral("SKING")},
              {QStringLiteral("売上費用"), QStringLiteral("UHIYO")},
              {QStringLiteral("支払費用"), QStringLiteral("SHIYO")}}},
            // The carriers' own months are the carrier-side aggregates.
            {"QR_Sir_Nen",
             QStringLiteral("年 間 傭 車 料 表"),
             QStringLiteral("年間傭車料表"),
             QStringLiteral("HIMAS32"),
             QStringLiteral("HWRK32"),
             QStringLiteral("Q_HWRK32"),
             QStringLiteral("YCODE"),
             QStringLiteral("AND SKING + SHIYO >= 0"),
             QStringLiteral("傭車先名"),
             {{QStringLiteral("仕入金額"), QStringLiteral("SKING")},
              {QStringLiteral("売上金額"), QStringLiteral("UKING")},
              {QStringLiteral("支払費用"), QStringLiteral("SHIYO")},
              {QStringLiteral("売上費用"), QStringLiteral("UHIYO")}}}};
}

// From the start of the fiscal year that holds the month to its period end, by partner
// and month.
Dataset& extract(const YearlySheet& sheet, MonthlyWorkTables& tables, const MonthlyReportRun& run) {
    QStringList sql{QStringLiteral("SELECT * FROM ") + sheet.aggregates};
    sql << MonthlyReportRun::periodLines(QStringLiteral("HYMD"), run.values.fiscalStart,
                                         run.values.end)
        << run.rangeLine(sheet.codeColumn) << sheet.extraLine;
    tables.copy(sheet.workTable, sql, run.values.taxRate);
    return tables.openList(sheet.listQuery,
                           {QStringLiteral("SELECT * FROM ") + sheet.workTable,
                            QStringLiteral("ORDER BY %1,HYMD").arg(sheet.codeColumn)});
}

constexpr double kDateWidth = 20;
constexpr double kAmountWidth = 24;

double cellX(int i) { return kDateWidth + i * kAmountWidth; }

const QString kGroup = QStringLiteral("GROUP_");

ReportDefinition define(const YearlySheet& sheet, const PageSetup& paper,
                        const PrintSelection& selection) {
    ReportDefinition report(sheet.title, paper);
    monthlyReportBands::addPageHeader(report, sheet.heading, selection, 16);

    const QString code = sheet.codeColumn;
    ReportGroup& partner = report.addGroup(code);
    ReportBand& header = partner.setHeader(2 * kLine + 1);
    header.add(ReportElement::text(sheet.groupCaption, 0, 0, kDateWidth, kLine))
        .add(ReportElement::expression(
            [code](const ReportContext& row) {
                return QVariant(row.text(code) + QLatin1Char(' ') +
                                row.text(QStringLiteral("KNAME")));
            },
            kDateWidth, 0, 4 * kAmountWidth, kLine))
        .add(ReportElement::text(QStringLiteral("日付"), 0, kLine, kDateWidth, kLine)
                 .align(Qt::AlignHCenter));
    QStringList captions;
    for (const auto& [caption, column] : sheet.amounts) captions << caption;
    captions << QStringLiteral("消費税") << QStringLiteral("粗利益") << QStringLiteral("費用差額");
    for (int i = 0; i < captions.size(); ++i)
        header.add(ReportElement::text(captions[i], cellX(i), kLine, kAmountWidth, kLine)
                       .align(Qt::AlignHCenter));
    header.add(ReportElement::line(0, 2 * kLine + 0.5, cellX(7), 2 * kLine + 0.5));

    // A line's figures and the group's sums, from the same amounts.
    using Figures = std::function<qint64(const ReportContext&, const char* column)>;
    const auto addFigures = [&sheet](ReportBand& band, const Figures& f, bool sums) {
        int i = 0;
        for (const auto& [caption, column] : sheet.amounts) {
            band.add(
                sums ? ReportElement::aggregate(kGroup + column, cellX(i), 0, kAmountWidth, kLine)
                           .amount()
                     : ReportElement::column(column, cellX(i), 0, kAmountWidth, kLine).amount());
            ++i;
        }
        band.add(ReportElement::expression(
                     [f](const ReportContext& c) {
                         return QVariant(
                             truncatedTax(f(c, "UKING"), c.integer(QStringLiteral("SHOZEI"))));
                     },
                     cellX(4), 0, kAmountWidth, kLine)
                     .amount())
            .add(ReportElement::expression(
                     [f](const ReportContext& c) {
                         return QVariant(f(c, "UKING") + f(c, "UHIYO") - f(c, "SKING"));
                     },
                     cellX(5), 0, kAmountWidth, kLine)
                     .amount())
            .add(
                ReportElement::expression(
                    [f](const ReportContext& c) { return QVariant(f(c, "UHIYO") - f(c, "SHIYO")); },
                    cellX(6), 0, kAmountWidth, kLine)
                    .amount());
    };

    ReportBand& detail = report.setDetail(kLine);
    detail.add(
        ReportElement::expression(monthAndDay(QStringLiteral("HYMD")), 0, 0, kDateWidth, kLine));
    addFigures(
        detail,
        [](const ReportContext& c, const char* column) { return c.integer(QLatin1String(column)); },
        false);

    // The sums under a rule, then a blank line before the next partner.
    ReportBand& footer = partner.setFooter(2 * kLine);
    for (const char* column : {"UKING", "SKING", "UHIYO", "SHIYO"})
        footer.addSum(kGroup + QLatin1String(column), QLatin1String(column));
    footer.add(ReportElement::line(0, 0, cellX(7), 0))
        .add(ReportElement::text(QStringLiteral("合計"), 0, 0, kDateWidth, kLine)
                 .align(Qt::AlignHCenter));
    addFigures(
        footer,
        [](const ReportContext& c, const char* column) {
            return c.aggregateInteger(kGroup + QLatin1String(column));
        },
        true);
    return report;
}

}  // namespace

QList<Printout> yearlySheetPrintouts() {
    QList<Printout> printouts;
    for (const YearlySheet& sheet : sheets()) {
        printouts << monthlyReportPrintout(
            QLatin1String(sheet.name),
            [sheet](MonthlyWorkTables& tables, const MonthlyReportRun& run) -> Dataset& {
                return extract(sheet, tables, run);
            },
            [sheet](const PageSetup& paper, const PrintSelection& selection) {
                return define(sheet, paper, selection);
            });
    }
    return printouts;
}

}  // namespace vantir
