#include "monthly/rules/KakeLayout.h"

#include "common/printing/PrintedDates.h"
#include "monthly/rules/KakeReport.h"
#include "monthly/rules/MonthlyRunValues.h"
#include "monthly/rules/TextCuts.h"
#include "platform/report/ReportColumnTable.h"

namespace vantir {

namespace {

constexpr double kLine = 5.0;

void addPageHeader(ReportDefinition& report, const QString& heading, const KakeSide& side,
                   const KakeHeadings& headings) {
    const double body = report.pageSetup().bodyRect().width();
    ReportBand& header = report.setPageHeader(17);
    header.add(ReportElement::pageNumber(0, 0, 30, kLine, QStringLiteral("%1 頁")))
        .add(ReportElement::text(heading, 0, 0, body, 8)
                 .align(Qt::AlignHCenter)
                 .font(ReportFont::mincho(14))
                 .bold())
        .add(ReportElement::printDate(body - 30, 0, 30, kLine).align(Qt::AlignRight))
        .add(ReportElement::text(headings.office, 0, 10, 60, kLine))
        .add(ReportElement::text(headings.closingLabel, 62, 10, 20, kLine))
        .add(
            ReportElement::text(headings.dateRange, body - 80, 10, 80, kLine).align(Qt::AlignRight))
        .add(ReportElement::line(0, 16, body, 16));
    if (side.closingFlag) header.add(ReportElement::text(headings.flagLabel, 84, 10, 26, kLine));
}

// The sums a partner's line and the totals line show, each under the prefix given.
struct Sums {
    QString count, amount, advance, tax, total;
};

Sums sumsOf(const QString& prefix) {
    return {prefix + QStringLiteral("COUNT"), prefix + QStringLiteral("AMOUNT"),
            prefix + QStringLiteral("ADVANCE"), prefix + QStringLiteral("TAX"),
            prefix + QStringLiteral("TOTAL")};
}

// Count, charge, advance, the per-slip tax and the total of the slips, summed into the
// band and printed on it.
void addSums(ReportBand& band, const KakeSide& side, const Sums& sums, double y) {
    const QString amount = side.amount;
    const QString advance = side.advance;
    // Each slip's tax is truncated on its own before the taxes are added up.
    auto tax = [amount](const ReportContext& row) {
        return truncatedTax(row.integer(amount), row.integer(QStringLiteral("SHOZEI")));
    };
    band.addCount(sums.count)
        .addSum(sums.amount, amount)
        .addSum(sums.advance, advance)
        .addSum(sums.tax, [tax](const ReportContext& row) { return QVariant(tax(row)); })
        .addSum(sums.total,
                [tax, amount, advance](const ReportContext& row) {
                    return QVariant(row.integer(amount) + row.integer(advance) + tax(row));
                })
        .add(ReportElement::aggregate(sums.count, 76, y, 18, kLine).amount())
        .add(ReportElement::aggregate(sums.amount, 94, y, 24, kLine).amount())
        .add(ReportElement::aggregate(sums.advance, 118, y, 22, kLine).amount())
        .add(ReportElement::aggregate(sums.tax, 140, y, 22, kLine).amount())
        .add(ReportElement::aggregate(sums.total, 162, y, 28, kLine).amount());
}

void addList(ReportDefinition& report, const KakeSide& side) {
    const double body = report.pageSetup().bodyRect().width();
    ReportBand& captions = report.setColumnHeader(kLine + 1);
    const struct {
        QString caption;
        double x;
        double width;
    } columns[] = {{side.codeCaption, 0, 16},
                   {side.nameCaption, 16, 60},
                   {QStringLiteral("配車件数"), 76, 18},
                   {side.amountCaption, 94, 24},
                   {QStringLiteral("立替金"), 118, 22},
                   {QStringLiteral("消費税"), 140, 22},
                   {QStringLiteral("合計金額"), 162, 28}};
    for (const auto& column : columns)
        captions.add(ReportElement::text(column.caption, column.x, 0, column.width, kLine)
                         .align(Qt::AlignHCenter));
    captions.add(ReportElement::line(0, kLine + 0.5, body, kLine + 0.5));

    // No lines of slips: the partner's line is the footer of its group.
    ReportBand& partner = report.addGroup(side.code).setFooter(kLine);
    partner.add(ReportElement::column(side.code, 0, 0, 16, kLine))
        .add(ReportElement::column(side.name, 16, 0, 60, kLine));
    addSums(partner, side, sumsOf(QStringLiteral("GROUP_")), 0);

    ReportBand& totals = report.setSummary(kLine + 1);
    totals.add(ReportElement::line(0, 0.5, body, 0.5))
        .add(ReportElement::text(QStringLiteral("合　計"), 16, 1, 60, kLine));
    addSums(totals, side, sumsOf(QStringLiteral("TOTAL_")), 1);
}

void addConfirmation(ReportDefinition& report, const KakeSide& side) {
    const double body = report.pageSetup().bodyRect().width();
    ReportColumnTable columns;
    columns.expression(QStringLiteral("年月日"), monthAndDay(QStringLiteral("DDAY")), 0, 12)
        .expression(QStringLiteral("発　　地"), leadingBytes(QStringLiteral("HATTI"), 16), 12, 34)
        .expression(QStringLiteral("着　　地"), leadingBytes(QStringLiteral("THTTI"), 16), 46, 34)
        .text(QStringLiteral("屯"), QStringLiteral("TON"), 80, 9)
        .text(QStringLiteral("車番"), QStringLiteral("SHBAN"), 89, 11)
        .amount(QStringLiteral("配車運賃"), side.amount, 100, 22)
        .amount(QStringLiteral("立替金"), side.advance, 122, 18)
        .expression(QStringLiteral("適　　用"), leadingBytes(QStringLiteral("BIKO"), 14), 140, 36)
        .text(QStringLiteral("伝番"), QStringLiteral("CODE"), 176, 14);

    // Each letter goes to its own partner: a page of its own.
    ReportGroup& partner = report.addGroup(side.code).setStartOnNewPage();
    const QString name = side.name;
    ReportBand& header = partner.setHeader(3 * kLine + 2);
    header.add(ReportElement::column(side.code, 0, 1, 16, kLine + 2))
        .add(ReportElement::expression(
                 [name](const ReportContext& row) {
                     return QVariant(row.text(name) + QStringLiteral("  御中"));
                 },
                 16, 1, 120, kLine + 2)
                 .pointSize(12));
    columns.addHeadings(header, 2 * kLine + 1, kLine);
    header.add(ReportElement::line(0, 3 * kLine + 1.5, body, 3 * kLine + 1.5));
    columns.addCells(report.setDetail(kLine), 0, kLine);

    ReportBand& sums = partner.setFooter(2 * kLine + 1);  // the sums, then a small spacer
    sums.add(ReportElement::line(0, 0.5, body, 0.5));
    columns.addTotals(sums, QStringLiteral("GROUP_"), AggregateReset::AfterBand, 1, kLine);
}

}  // namespace

ReportDefinition kakeLayout(const KakeReport& kake, const PageSetup& paper,
                            const KakeHeadings& headings) {
    ReportDefinition report(kake.heading, paper);
    addPageHeader(report, kake.heading, *kake.side, headings);
    if (kake.confirmation)
        addConfirmation(report, *kake.side);
    else
        addList(report, *kake.side);
    return report;
}

}  // namespace vantir
