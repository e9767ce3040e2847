#include "cash/rules/CashPrintouts.h"

#include "cash/rules/CashListQuery.h"
#include "cash/rules/CashSide.h"
#include "common/printing/PrintError.h"
#include "common/printing/PrintoutRegistry.h"
#include "data/DataModule1.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/report/ReportColumnTable.h"

namespace vantir {

namespace {

// The body of A4 portrait inside 10 mm margins, for which the columns are drawn; the
// continuous form spreads them over its wider body.
constexpr double kA4Body = 190.0;

Dataset& listRows(const CashSide& side, const PrintSources& sources,
                  const PrintSelection& selection) {
    // One partner is a narrowing of the list screen's selection, which names its range.
    if (!selection.partner.isEmpty() && selection.since.isEmpty())
        throw PrintError(QStringLiteral("--partner goes with --since and --until"));
    CashListQuery list(side, sources.dm1);
    if (selection.since.isEmpty()) {
        list.openAsItIs();
    } else {
        list.select(selection.since, selection.until, selection.partner);
    }
    list.narrowToCodes(selection.from, selection.to);
    return list.query();
}

ReportDefinition cashList(const CashSide& side, const PageSetup& paper,
                          const PrintSelection& selection) {
    ReportDefinition report(side.printTitle, paper);
    const double body = paper.bodyRect().width();
    const QString code = side.partnerCode;
    const QString name = side.partnerName;
    ReportColumnTable columns(body / kA4Body);
    columns.text(QStringLiteral("日付"), QStringLiteral("DDAY"), 0, 22)
        .expression(
            side.partnerTitle,
            [code, name](const ReportContext& row) {
                return QVariant(row.text(code) + QLatin1Char(' ') + row.text(name));
            },
            22, 70)
        .amount(QStringLiteral("金　　額"), side.amount, 92, 30)
        .text(QStringLiteral("適　　用"), QStringLiteral("BIKO"), 126, 44)
        .text(QStringLiteral("コード"), QStringLiteral("CODE"), 170, 20);

    ReportBand& header = report.setPageHeader(16);
    header.add(ReportElement::pageNumber(0, 0, 20, 5))
        .add(ReportElement::text(report.name(), 0, 0, body, 7)
                 .align(Qt::AlignHCenter)
                 .font(ReportFont::mincho(14))
                 .bold())
        .add(ReportElement::printDate(body - 30, 0, 30, 5).align(Qt::AlignRight))
        .add(ReportElement::text(cashListLeftHeading(selection), 0, 9, 90, 5));
    if (!selection.from.isEmpty() || !selection.to.isEmpty()) {
        header.add(ReportElement::text(selection.from + QStringLiteral("～") + selection.to,
                                       body - 90, 9, 90, 5)
                       .align(Qt::AlignRight));
    }
    ReportGroup& partner = report.addGroup(code);
    columns.addHeadings(partner.setHeader(6), 0, 6);
    columns.addCells(report.setDetail(5), 0, 5);
    // The lists total from the first line of the print, not per partner.
    columns.addTotals(partner.setFooter(6), QStringLiteral("GROUP_"), AggregateReset::Running, 0,
                      5);
    columns.addTotals(report.setPageFooter(6), QStringLiteral("PAGE_"), AggregateReset::Running, 0,
                      5);
    return report;
}

Printout cashPrintout(const CashSide& side) {
    return {side.printout,
            PageSetup::a4(PageOrientation::Portrait, PageMargins::all(10)),
            {{PrintOption::DateRange},
             {PrintOption::Partner},
             {PrintOption::Sime},
             {PrintOption::Month},
             {PrintOption::CodeRange}},
            {},
            [&side](const PrintSources& sources, const PrintSelection& selection) -> Dataset& {
                return listRows(side, sources, selection);
            },
            [&side](const PageSetup& paper, const PrintSelection& selection) {
                return cashList(side, paper, selection);
            }};
}

}  // namespace

QString cashListLeftHeading(const PrintSelection& selection) {
    if (selection.sime.isEmpty() || selection.sime == u"00") return selection.month;
    return selection.month + QStringLiteral("  ") + selection.sime + QStringLiteral("日締");
}

void registerCashPrintouts(PrintoutRegistry& registry) {
    const PageMargins continuous{.top = 10, .bottom = 10, .left = 15, .right = 9};
    registry.addPair(cashPrintout(CashSide::receipts()), continuous);
    registry.addPair(cashPrintout(CashSide::payments()), continuous);
}

}  // namespace vantir
