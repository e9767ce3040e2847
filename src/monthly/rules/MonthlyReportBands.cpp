#include "monthly/rules/MonthlyReportBands.h"

#include "monthly/rules/MonthlyReportHeader.h"
#include "platform/report/ReportDefinition.h"

namespace vantir::monthlyReportBands {

ReportBand& addPageHeader(ReportDefinition& report, const QString& heading,
                          const PrintSelection& selection, double height) {
    const double body = report.pageSetup().bodyRect().width();
    return report.setPageHeader(height)
        .add(ReportElement::pageNumber(0, 0, 30, kLine, QStringLiteral("%1 頁")))
        .add(ReportElement::text(heading, 30, 0, body - 60, 8)
                 .align(Qt::AlignHCenter)
                 .font(ReportFont::mincho(14))
                 .bold())
        .add(ReportElement::printDate(body - 30, 0, 30, kLine).align(Qt::AlignRight))
        .add(ReportElement::text(monthlyReportHeader::month(selection) + QStringLiteral(" 月度"), 0,
                                 9, 40, kLine));
}

}  // namespace vantir::monthlyReportBands
