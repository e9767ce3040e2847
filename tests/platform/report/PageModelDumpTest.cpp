#include <gtest/gtest.h>

#include "platform/report/PageModelDump.h"
#include "platform/report/ReportDefinition.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/RowListCursor.h"
#include "support/FixedToday.h"
#include "support/ReferenceText.h"

namespace vantir::test {
namespace {

// A receipt list on the continuous form, in the shape the printed lists take: page
// header with number, title and print date; per customer the column heads; one line a
// receipt; a running total after each customer and at the foot of every page.
ReportDefinition continuousReceiptList() {
    ReportDefinition report(
        QStringLiteral("入金伝票一覧表"),
        PageSetup::continuousForm({.top = 10, .bottom = 10, .left = 15, .right = 9}));
    report.setPageHeader(14)
        .add(ReportElement::pageNumber(0, 0, 20, 5, QStringLiteral("%1 / %2 頁")))
        .add(ReportElement::text(QStringLiteral("入金伝票一覧表"), 60, 0, 96, 7)
                 .align(Qt::AlignHCenter)
                 .font(ReportFont::mincho(14))
                 .bold())
        .add(ReportElement::printDate(176, 0, 40, 5).align(Qt::AlignRight))
        .add(ReportElement::line(0, 13, 216, 13).lineWidth(0.4));
    ReportGroup& customer = report.addGroup(QStringLiteral("KCODE"));
    ReportBand& heads = customer.setHeader(6);
    heads.add(ReportElement::box(0, 0, 216, 6));
    const QStringList captions{QStringLiteral("日付"), QStringLiteral("得意先"),
                               QStringLiteral("金　　額"), QStringLiteral("適　　用")};
    const double x[] = {0, 25, 100, 140};
    for (int i = 0; i < captions.size(); ++i)
        heads.add(ReportElement::text(captions[i], x[i] + 1, 0, 30, 6));
    report.setDetail(20)
        .add(ReportElement::column(QStringLiteral("DDAY"), 1, 0, 24, 5))
        .add(ReportElement::expression(
            [](const ReportContext& r) {
                return QVariant(r.text("KCODE") + QLatin1Char(' ') + r.text("KNAME"));
            },
            26, 0, 74, 5))
        .add(ReportElement::column(QStringLiteral("UKING"), 100, 0, 35, 5).amount())
        .add(ReportElement::column(QStringLiteral("BIKO"), 141, 0, 75, 5))
        .add(ReportElement::verticalRule(25))
        .add(ReportElement::verticalRule(140));
    customer.setFooter(6)
        .addSum(QStringLiteral("UKING_TOTAL"), QStringLiteral("UKING"), AggregateReset::Running)
        .add(ReportElement::aggregate(QStringLiteral("UKING_TOTAL"), 100, 0, 35, 5)
                 .amount()
                 .underline());
    report.setPageFooter(6)
        .addSum(QStringLiteral("UKING_RUNNING"), QStringLiteral("UKING"), AggregateReset::Running)
        .add(ReportElement::aggregate(QStringLiteral("UKING_RUNNING"), 100, 0, 35, 5).amount());
    return report;
}

TEST(PageModelDumpTest, AContinuousFormReceiptListMatchesItsReference) {
    RowListCursor rows({QStringLiteral("DDAY"), QStringLiteral("KCODE"), QStringLiteral("KNAME"),
                        QStringLiteral("UKING"), QStringLiteral("BIKO")});
    const QString names[] = {QStringLiteral("丸山運送"), QStringLiteral("北星物流"),
                             QStringLiteral("ｶﾅ商事")};
    for (int i = 0; i < 12; ++i) {
        rows.addRow({QStringLiteral("26/11/%1").arg(i + 1, 2, 10, QLatin1Char('0')),
                     QStringLiteral("00000%1").arg(i / 5 + 1), names[i / 5],
                     qint64(12500 * (i + 1) - (i == 7 ? 200000 : 0)),
                     i % 4 == 0 ? QVariant() : QVariant(QStringLiteral("振込"))});
    }

    FixedToday today("2026-12-09");
    const PageModel model = ReportLayout::run(continuousReceiptList(), rows);

    EXPECT_TRUE(matchesReference(dumpPageModel(model), __FILE__,
                                 QStringLiteral("continuous_receipt_list.txt")));
}

}  // namespace
}  // namespace vantir::test
