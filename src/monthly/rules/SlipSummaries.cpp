#include "monthly/rules/SlipSummaries.h"

#include "monthly/rules/MonthlyReportBands.h"
#include "monthly/rules/MonthlyReportPrintout.h"
#include "monthly/rules/MonthlyRunValues.h"
#include "monthly/rules/SlipReportExtract.h"
#include "platform/report/ReportDefinition.h"

namespace vantir {

namespace {

using monthlyReportBands::kLine;

// An amount of the slip, or the sum of that amount over the slips on the page.
using Figures = std::function<qint64(const QString& column)>;
// What a cell shows, worked out from the figures and the tax rate.
using Term = std::function<QVariant(const Figures& figures, qint64 taxRate)>;

struct Cell {
    QString caption;
    Term term;
    // The column an amount cell shows; the page footer shows its running sum.
    QString runningColumn;
    QString mask = QStringLiteral("#,##0");
};

Cell amount(const char* caption, const char* column) {
    const QString name = QLatin1String(column);
    return {QString::fromUtf8(caption),
            [name](const Figures& f, qint64) { return QVariant(f(name)); }, name};
}

Cell tax(const char* caption, const char* column) {
    const QString name = QLatin1String(column);
    return {QString::fromUtf8(caption),
            [name](const Figures& f, qint64 rate) { return QVariant(truncatedTax(f(name), rate)); },
            {}};
}

Cell profit() {
    return {QStringLiteral("粗利益"),
            [](const Figures& f, qint64) {
                return QVariant(f(QStringLiteral("UKING")) + f(QStringLiteral("UHIYO")) -
                                f(QStringLiteral("SKING")) - f(QStringLiteral("SHIYO")));
            },
            {}};
}

Cell total(const char* first, const char* second) {
    const QString a = QLatin1String(first);
    const QString b = QLatin1String(second);
    return {QStringLiteral("合計金額"),
            [a, b](const Figures& f, qint64) { return QVariant(f(a) + f(b)); },
            {}};
}

Cell difference() {
    return {QStringLiteral("費用差額"),
            [](const Figures& f, qint64) {
                return QVariant(f(QStringLiteral("UHIYO")) - f(QStringLiteral("SHIYO")));
            },
            {}};
}

// (UKING − SKING) / UKING × 100; blank when there are no sales to divide by.
Cell rate() {
    return {QStringLiteral("利益率"),
            [](const Figures& f, qint64) {
                const qint64 sales = f(QStringLiteral("UKING"));
                if (sales == 0) return QVariant();
                return QVariant(double(sales - f(QStringLiteral("SKING"))) / double(sales) * 100.0);
            },
            {},
            QStringLiteral("#,##0.00")};
}

struct Line {
    QString nameCaption;
    QString nameColumn;
    QList<Cell> cells;  // the six amount columns
};

struct SlipSummary {
    const char* name;
    QString heading;
    QString title;  // the report window's caption
    QString rangeColumn;
    QString extraLine;
    QString orderLine;
    Line first;
    Line second;
};

const QString kOrderByCustomer = QStringLiteral("ORDER BY KCODE,DDAY,SHBAN");
const QString kOrderByCarrier = QStringLiteral("ORDER BY YCODE,DDAY,SHBAN");
const QString kInternal = QStringLiteral("AND (INKING > 0 OR INSKING > 0)");

// Sales on the first line, purchases on the second.
SlipSummary salesFirst(const char* name, const QString& heading, const QString& title,
                       const char* partnerCaption, const char* nameColumn,
                       const QString& rangeColumn, const QString& extraLine,
                       const QString& orderLine) {
    return {
        name,
        heading,
        title,
        rangeColumn,
        extraLine,
        orderLine,
        {QString::fromUtf8(partnerCaption),
         QLatin1String(nameColumn),
         {amount("売上金額", "UKING"), amount("売上費用", "UHIYO"), amount("社内売上", "INKING"),
          tax("消費税", "UKING"), profit(), total("UKING", "UHIYO")}},
        {QStringLiteral("コード"),
         QStringLiteral("CODE"),
         {amount("仕入金額", "SKING"), amount("仕入費用", "SHIYO"), amount("社内仕入", "INSKING"),
          tax("支払税", "SKING"), difference(), rate()}}};
}

QList<SlipSummary> summaries() {
    SlipSummary carriers{
        "QR_YS_SM",
        QStringLiteral("【     傭 車 先 別 収 支 明 細 表      】"),
        QStringLiteral("傭車先収支明細"),
        QStringLiteral("YCODE"),
        {},
        kOrderByCarrier,
        {QStringLiteral("傭 車 先 名"),
         QStringLiteral("YNAME"),
         {amount("仕入金額", "SKING"), amount("仕入費用", "SHIYO"), amount("社内仕入", "INSKING"),
          tax("支払税", "SKING"), profit(), total("SKING", "SHIYO")}},
        {QStringLiteral("コード"),
         QStringLiteral("CODE"),
         {amount("売上金額", "UKING"), amount("売上費用", "UHIYO"), amount("社内売上", "INKING"),
          tax("消費税", "UKING"), difference(), rate()}}};
    return {
        salesFirst("QR_TK_SM", QStringLiteral("【     得 意 先 別 収 支 明 細 表      】"),
                   QStringLiteral("得意先収支明細"), "得 意 先 名", "KNAME",
                   QStringLiteral("KCODE"), {}, kOrderByCustomer),
        carriers,
        salesFirst("QR_IN_SM", QStringLiteral("【     社 内 取 引 集 計 表 (売上)     】"),
                   QStringLiteral("社内取引集計表(売)"), "得 意 先 名", "KNAME",
                   QStringLiteral("KCODE"), kInternal, kOrderByCustomer),
        // The purchase side lists by carrier, so its code range is one of carriers too.
        salesFirst("QR_INS_SM", QStringLiteral("【     社 内 取 引 集 計 表　(仕入)      】"),
                   QStringLiteral("社内取引集計表(仕)"), "傭 車 先 名", "YNAME",
                   QStringLiteral("YCODE"), kInternal, kOrderByCarrier),
    };
}

constexpr double kNameWidth = 46;
constexpr double kAmountWidth = 24;

double cellX(qsizetype i) { return kNameWidth + double(i) * kAmountWidth; }

void addCaptions(ReportBand& band, const Line& line, double y) {
    band.add(
        ReportElement::text(line.nameCaption, 0, y, kNameWidth, kLine).align(Qt::AlignHCenter));
    for (qsizetype i = 0; i < line.cells.size(); ++i)
        band.add(ReportElement::text(line.cells[i].caption, cellX(i), y, kAmountWidth, kLine)
                     .align(Qt::AlignHCenter));
}

ReportElement masked(ReportExpression value, const Cell& cell, qsizetype i, double y) {
    return ReportElement::expression(std::move(value), cellX(i), y, kAmountWidth, kLine)
        .mask(cell.mask)
        .align(Qt::AlignRight);
}

void addSlipLine(ReportBand& detail, const Line& line, double y) {
    detail.add(ReportElement::column(line.nameColumn, 0, y, kNameWidth, kLine));
    for (qsizetype i = 0; i < line.cells.size(); ++i) {
        const Term term = line.cells[i].term;
        detail.add(masked(
            [term](const ReportContext& row) {
                return term([&row](const QString& column) { return row.integer(column); },
                            row.integer(QStringLiteral("SHOZEI")));
            },
            line.cells[i], i, y));
    }
}

const QString kRunning = QStringLiteral("RUN_");
const QString kPage = QStringLiteral("PAGE_");

void addFooterLine(ReportBand& footer, const Line& line, double y) {
    for (qsizetype i = 0; i < line.cells.size(); ++i) {
        const Cell& cell = line.cells[i];
        if (!cell.runningColumn.isEmpty()) {
            footer.addSum(kRunning + cell.runningColumn, cell.runningColumn,
                          AggregateReset::Running);
            footer.add(ReportElement::aggregate(kRunning + cell.runningColumn, cellX(i), y,
                                                kAmountWidth, kLine)
                           .amount());
            continue;
        }
        const Term term = cell.term;
        footer.add(masked(
            [term](const ReportContext& page) {
                return term(
                    [&page](const QString& column) {
                        return page.aggregateInteger(kPage + column);
                    },
                    page.integer(QStringLiteral("SHOZEI")));
            },
            cell, i, y));
    }
}

ReportDefinition define(const SlipSummary& summary, const PageSetup& paper,
                        const PrintSelection& selection) {
    ReportDefinition report(summary.title, paper);
    const double body = paper.bodyRect().width();
    ReportBand& header =
        monthlyReportBands::addPageHeader(report, summary.heading, selection, 16 + 2 * kLine);
    addCaptions(header, summary.first, 16);
    addCaptions(header, summary.second, 16 + kLine);
    header.add(ReportElement::line(0, 16 + 2 * kLine, body, 16 + 2 * kLine));

    ReportBand& detail = report.setDetail(2 * kLine + 1);
    addSlipLine(detail, summary.first, 0);
    addSlipLine(detail, summary.second, kLine);
    detail.add(ReportElement::line(0, 2 * kLine + 0.5, body, 2 * kLine + 0.5).lineWidth(0.1));

    ReportBand& footer = report.setPageFooter(2 * kLine + 1);
    for (const char* column : {"UKING", "UHIYO", "SKING", "SHIYO"})
        footer.addSum(kPage + QLatin1String(column), QLatin1String(column));
    footer.add(ReportElement::line(0, 0.5, body, 0.5))
        .add(ReportElement::text(QStringLiteral("合　　計"), 0, 1, kNameWidth, kLine)
                 .align(Qt::AlignHCenter));
    addFooterLine(footer, summary.first, 1);
    addFooterLine(footer, summary.second, 1 + kLine);
    return report;
}

}  // namespace

QList<Printout> slipSummaryPrintouts() {
    QList<Printout> printouts;
    for (const SlipSummary& summary : summaries()) {
        printouts << monthlyReportPrintout(
            QLatin1String(summary.name),
            [summary](MonthlyWorkTables& tables, const MonthlyReportRun& run) -> Dataset& {
                return extractSlipReport(tables, run, summary.rangeColumn, summary.extraLine,
                                         summary.orderLine);
            },
            [summary](const PageSetup& paper, const PrintSelection& selection) {
                return define(summary, paper, selection);
            });
    }
    return printouts;
}

}  // namespace vantir
