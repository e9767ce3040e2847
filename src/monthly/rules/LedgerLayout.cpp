#include "monthly/rules/LedgerLayout.h"

#include "common/printing/PrintedDates.h"
#include "monthly/rules/LedgerReport.h"
#include "monthly/rules/TextCuts.h"
#include "platform/report/ReportColumnTable.h"

namespace vantir {

namespace {

constexpr double kLine = 5.0;

void addPageHeader(ReportDefinition& report, const QString& heading,
                   const LedgerHeadings& headings) {
    const double body = report.pageSetup().bodyRect().width();
    report.setPageHeader(17)
        .add(ReportElement::text(headings.month, 0, 0, 40, kLine))
        .add(ReportElement::text(heading, 0, 0, body, 8)
                 .align(Qt::AlignHCenter)
                 .font(ReportFont::mincho(14))
                 .bold())
        .add(ReportElement::pageNumber(body - 30, 0, 30, kLine, QStringLiteral("%1 頁"))
                 .align(Qt::AlignRight))
        .add(ReportElement::text(headings.office, 0, 10, 90, kLine))
        .add(
            ReportElement::text(headings.dateRange, body - 90, 10, 90, kLine).align(Qt::AlignRight))
        .add(ReportElement::line(0, 16, body, 16));
}

// The partner, its closing label and its site, heading its first page.
void addPartnerHeader(ReportGroup& partner, const LedgerReportSide& side,
                      const LedgerHeadings& headings) {
    const QString site = QStringLiteral("SAIT");
    partner.setStartOnNewPage()
        .setHeader(kLine + 2)
        .add(ReportElement::column(side.code, 0, 1, 16, kLine))
        .add(ReportElement::column(side.name, 16, 1, 80, kLine).bold())
        .add(ReportElement::text(headings.closingLabel, 100, 1, 20, kLine))
        .add(ReportElement::expression(
            [site](const ReportContext& row) {
                return QVariant(row.text(site) + QStringLiteral("日払"));
            },
            120, 1, 20, kLine));
}

}  // namespace

ReportDefinition ledgerLayout(const LedgerReport& ledger, const PageSetup& paper,
                              const LedgerHeadings& headings) {
    const LedgerReportSide& side = *ledger.side;
    ReportDefinition report(side.window, paper);
    const double body = paper.bodyRect().width();
    addPageHeader(report, ledger.heading(), headings);

    ReportColumnTable columns;
    columns.expression(QStringLiteral("日付"), monthAndDay(QStringLiteral("DDAY")), 0, 12)
        .text(QStringLiteral("発地"), QStringLiteral("HATTI"), 12, 30)
        .text(QStringLiteral("着地"), QStringLiteral("THTTI"), 42, 30)
        .text(QStringLiteral("ﾄﾝ"), QStringLiteral("TON"), 72, 9)
        .text(QStringLiteral("車番"), QStringLiteral("SHBAN"), 81, 10)
        .amount(side.amountCaption, side.amount, 91, 22)
        .amount(QStringLiteral("費用"), side.cost, 113, 18)
        .amount(side.cashCaption, side.cashAmount, 131, 22)
        .text(QStringLiteral("ｺｰﾄﾞ"), QStringLiteral("CODE"), 153, 11)
        .text(side.otherCaption, side.otherName, 164, 26);
    ReportBand& captions = report.setColumnHeader(kLine + 1);
    columns.addHeadings(captions, 0, kLine);
    captions.add(ReportElement::line(0, kLine + 0.5, body, kLine + 0.5));

    ReportGroup& partner = report.addGroup(side.code);
    addPartnerHeader(partner, side, headings);
    columns.addCells(report.setDetail(kLine), 0, kLine);

    // The partner's sums and what is left of its business after the receipts (payments).
    const QString prefix = QStringLiteral("GROUP_");
    const QString amount = prefix + side.amount;
    const QString cost = prefix + side.cost;
    const QString cash = prefix + side.cashAmount;
    ReportBand& sums = partner.setFooter(kLine + 1);
    sums.add(ReportElement::line(0, 0.5, body, 0.5))
        .add(ReportElement::text(QStringLiteral("合　計"), 12, 1, 30, kLine));
    columns.addTotals(sums, prefix, AggregateReset::AfterBand, 1, kLine);
    sums.add(ReportElement::text(QStringLiteral("差引"), 153, 1, 11, kLine))
        .add(ReportElement::expression(
                 [amount, cost, cash](const ReportContext& row) {
                     return QVariant(row.aggregateInteger(amount) + row.aggregateInteger(cost) -
                                     row.aggregateInteger(cash));
                 },
                 164, 1, 26, kLine)
                 .amount());

    report.setPageFooter(kLine + 1).add(
        ReportElement::printDate(body - 30, 1, 30, kLine).align(Qt::AlignRight));
    return report;
}

}  // namespace vantir
