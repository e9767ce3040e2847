#include "ledgers/rules/SchedulePage.h"

#include "platform/report/ReportColumnTable.h"
#include "platform/report/ReportDefinition.h"

namespace vantir::schedulePage {

void addHeader(ReportDefinition& report) {
    const double body = report.pageSetup().bodyRect().width();
    report.setPageHeader(10)
        .add(ReportElement::pageNumber(0, 0, 20, 5))
        .add(ReportElement::text(report.name(), 0, 0, body, 7)
                 .align(Qt::AlignHCenter)
                 .font(ReportFont::mincho(14))
                 .bold())
        .add(ReportElement::printDate(body - 30, 0, 30, 5).align(Qt::AlignRight));
}

QVariant paymentTotal(const ReportContext& row) {
    return row.integer(QStringLiteral("SKING")) + row.integer(QStringLiteral("SHIYO")) +
           row.integer(QStringLiteral("INSKING"));
}

void addListBands(ReportDefinition& report, const ReportColumnTable& columns) {
    addHeader(report);
    columns.addHeadings(report.setTitle(7), 0, 6);
    columns.addCells(report.setDetail(5), 0, 5);
    columns.addTotals(report.setPageFooter(6), QStringLiteral("PAGE_"), AggregateReset::AfterBand,
                      0, 5);
}

}  // namespace vantir::schedulePage
