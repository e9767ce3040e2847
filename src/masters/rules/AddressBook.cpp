#include "masters/rules/AddressBook.h"

#include "platform/report/ReportColumnTable.h"

namespace vantir {

namespace {

constexpr double kLine = 5.0;
// The body of A4 portrait with 10 mm margins, which the positions below are drawn for.
constexpr double kA4Body = 190.0;

}  // namespace

ReportDefinition AddressBook::define(const PageSetup& paper, const PrintSelection&) {
    ReportDefinition report(QStringLiteral("取引先住所録"), paper);
    const double body = paper.bodyRect().width();
    report.setPageHeader(15)
        .add(ReportElement::text(report.name(), 0, 0, body, 8)
                 .align(Qt::AlignHCenter)
                 .font(ReportFont::mincho(14))
                 .bold())
        .add(ReportElement::printDate(body - 30, 0, 30, kLine).align(Qt::AlignRight))
        .add(ReportElement::pageNumber(body - 30, 9, 30, kLine, QStringLiteral("%1 頁"))
                 .align(Qt::AlignRight))
        .add(ReportElement::line(0, 14.5, body, 14.5));

    const double across = body / kA4Body;
    ReportColumnTable first(across);
    first.text({}, QStringLiteral("KCODE"), 0, 16)
        .text({}, QStringLiteral("KNAME"), 17, 60)
        .text({}, QStringLiteral("KADD1"), 78, 92)
        .text({}, QStringLiteral("SIME"), 172, 10);
    ReportColumnTable second(across);
    second.text({}, QStringLiteral("KTEL"), 0, 28)
        .text({}, QStringLiteral("KFAX"), 29, 28)
        .text({}, QStringLiteral("KZIP"), 58, 19)
        .text({}, QStringLiteral("KADD2"), 78, 92)
        .text({}, QStringLiteral("SAIT"), 172, 10);
    ReportBand& detail = report.setDetail(2 * kLine + 1);
    first.addCells(detail, 0, kLine);
    second.addCells(detail, kLine, kLine);
    detail.add(ReportElement::line(0, 2 * kLine + 0.5, body, 2 * kLine + 0.5).lineWidth(0.1));
    return report;
}

}  // namespace vantir
