#include "slips/rules/DispatchCheckList.h"

#include "common/printing/PrintSelection.h"
#include "platform/report/ReportColumnTable.h"

namespace vantir {

namespace {

constexpr double kLine = 5.0;

// A partner as the lists show it: the code, a space, the name.
ReportExpression partner(const char* code, const char* name) {
    return [code, name](const ReportContext& r) {
        return QVariant(r.text(QLatin1String(code)) + QLatin1Char(' ') +
                        r.text(QLatin1String(name)));
    };
}

// Under a rule: "件数" and the number of slips under the first columns, and the sums of
// the amounts under their columns.
void addSummary(ReportDefinition& report, const ReportColumnTable& amounts) {
    const double body = report.pageSetup().bodyRect().width();
    ReportBand& summary = report.setSummary(kLine + 1);
    summary.add(ReportElement::line(0, 0.5, body, 0.5))
        .addCount(QStringLiteral("COUNT"))
        .add(ReportElement::text(QStringLiteral("件数"), 0, 1, 13, kLine))
        .add(ReportElement::aggregate(QStringLiteral("COUNT"), 13, 1, 13, kLine).amount());
    amounts.addTotals(summary, QStringLiteral("TOTAL_"), AggregateReset::AfterBand, 1, kLine);
}

}  // namespace

ReportDefinition DispatchCheckList::define(const QString& title, const PageSetup& paper,
                                           const PrintSelection& selection) {
    ReportDefinition report(title, paper);
    addPageHeader(report, selection);
    if (paper.isContinuousForm())
        addTwoLines(report);
    else
        addSingleLine(report);
    return report;
}

void DispatchCheckList::addPageHeader(ReportDefinition& report, const PrintSelection& selection) {
    const double body = report.pageSetup().bodyRect().width();
    report.setPageHeader(15)
        .add(ReportElement::text(report.name(), 0, 0, body, 8)
                 .align(Qt::AlignHCenter)
                 .font(ReportFont::mincho(14))
                 .bold())
        .add(ReportElement::printDate(body - 30, 0, 30, kLine).align(Qt::AlignRight))
        .add(ReportElement::text(selection.date, 0, 9, 18, kLine))
        .add(ReportElement::text(selection.kind, 18, 9, 20, kLine))
        .add(ReportElement::pageNumber(body - 30, 9, 30, kLine, QStringLiteral("%1 頁"))
                 .align(Qt::AlignRight));
}

void DispatchCheckList::addSingleLine(ReportDefinition& report) {
    const double body = report.pageSetup().bodyRect().width();
    ReportColumnTable columns;
    columns.text(QStringLiteral("配車日"), QStringLiteral("HYMD"), 0, 13)
        .text(QStringLiteral("降し日"), QStringLiteral("THYMD"), 13, 13)
        .text(QStringLiteral("請求日"), QStringLiteral("DDAY"), 26, 13)
        .text(QStringLiteral("車番"), QStringLiteral("SHBAN"), 39, 9)
        .text(QStringLiteral("発地"), QStringLiteral("HATTI"), 48, 22)
        .text(QStringLiteral("着地"), QStringLiteral("THTTI"), 70, 22)
        .text(QStringLiteral("屯数"), QStringLiteral("TON"), 92, 8)
        .expression(QStringLiteral("得意先"), partner("KCODE", "KNAME"), 100, 42)
        .amount(QStringLiteral("運賃"), QStringLiteral("UKING"), 142, 18)
        .amount(QStringLiteral("立替金"), QStringLiteral("UHIYO"), 160, 15)
        .expression(QStringLiteral("傭車先"), partner("YCODE", "YNAME"), 175, 42)
        .amount(QStringLiteral("傭車料"), QStringLiteral("SKING"), 217, 18)
        .amount(QStringLiteral("立替金"), QStringLiteral("SHIYO"), 235, 15)
        .text(QStringLiteral("備考"), QStringLiteral("BIKO"), 250, 31);
    ReportBand& headings = report.setColumnHeader(kLine + 1);
    columns.addHeadings(headings, 0, kLine);
    headings.add(ReportElement::line(0, kLine + 0.5, body, kLine + 0.5));
    columns.addCells(report.setDetail(kLine), 0, kLine);
    addSummary(report, columns);
}

void DispatchCheckList::addTwoLines(ReportDefinition& report) {
    const double body = report.pageSetup().bodyRect().width();
    ReportColumnTable first;
    first.text(QStringLiteral("配車日"), QStringLiteral("HYMD"), 0, 13)
        .text(QStringLiteral("請求日"), QStringLiteral("DDAY"), 13, 13)
        .text(QStringLiteral("車番"), QStringLiteral("SHBAN"), 26, 9)
        .text(QStringLiteral("発地"), QStringLiteral("HATTI"), 35, 24)
        .expression(QStringLiteral("得意先"), partner("KCODE", "KNAME"), 59, 44)
        .amount(QStringLiteral("運賃"), QStringLiteral("UKING"), 103, 18)
        .amount(QStringLiteral("立替金"), QStringLiteral("UHIYO"), 121, 15)
        .amount(QStringLiteral("傭車料"), QStringLiteral("SKING"), 136, 18)
        .amount(QStringLiteral("立替金"), QStringLiteral("SHIYO"), 154, 15)
        .text(QStringLiteral("備考"), QStringLiteral("BIKO"), 169, 52);
    ReportColumnTable second;
    second.text(QStringLiteral("降し日"), QStringLiteral("THYMD"), 0, 13)
        .text(QStringLiteral("屯数"), QStringLiteral("TON"), 13, 13)
        .text(QStringLiteral("着地"), QStringLiteral("THTTI"), 35, 24)
        .expression(QStringLiteral("傭車先"), partner("YCODE", "YNAME"), 59, 44);
    ReportBand& headings = report.setColumnHeader(2 * kLine + 1);
    first.addHeadings(headings, 0, kLine);
    second.addHeadings(headings, kLine, kLine);
    headings.add(ReportElement::line(0, 2 * kLine + 0.5, body, 2 * kLine + 0.5));
    ReportBand& detail = report.setDetail(2 * kLine + 1);
    first.addCells(detail, 0, kLine);
    second.addCells(detail, kLine, kLine);
    detail.add(ReportElement::line(0, 2 * kLine + 0.5, body, 2 * kLine + 0.5).lineWidth(0.1));
    addSummary(report, first);
}

}  // namespace vantir
