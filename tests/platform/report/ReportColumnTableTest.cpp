#include <gtest/gtest.h>

#include "platform/report/ReportColumnTable.h"
#include "platform/report/ReportDefinition.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/RowListCursor.h"
#include "support/QtPrinters.h"

namespace vantir::test {
namespace {

// Where a text stands on the page and how it is aligned: "x,y w right 1,000".
QStringList placed(const Page& page) {
    QStringList texts;
    for (const PageText& t : page.texts) {
        texts << QStringLiteral("%1,%2 %3 %4 %5")
                     .arg(t.rect.left())
                     .arg(t.rect.top())
                     .arg(t.rect.width())
                     .arg(t.alignment & Qt::AlignRight     ? "right"
                          : t.alignment & Qt::AlignHCenter ? "center"
                                                           : "left")
                     .arg(t.text);
    }
    return texts;
}

PageModel receiptList(double across) {
    ReportColumnTable columns(across);
    columns.text(QStringLiteral("日付"), QStringLiteral("DDAY"), 0, 20)
        .expression(
            QStringLiteral("得意先"),
            [](const ReportContext& r) {
                return QVariant(r.text("KCODE") + QLatin1Char(' ') + r.text("KNAME"));
            },
            20, 60)
        .amount(QStringLiteral("金　　額"), QStringLiteral("UKING"), 80, 30);
    ReportDefinition report(QStringLiteral("入金伝票一覧表"),
                            PageSetup::a4(PageOrientation::Portrait, PageMargins::all(10)));
    columns.addHeadings(report.setColumnHeader(6), 1, 5);
    columns.addCells(report.setDetail(5), 0, 5);
    columns.addTotals(report.setSummary(5), QStringLiteral("TOTAL_"), AggregateReset::AfterBand, 0,
                      5);
    RowListCursor rows({QStringLiteral("DDAY"), QStringLiteral("KCODE"), QStringLiteral("KNAME"),
                        QStringLiteral("UKING")});
    rows.addRow({QStringLiteral("26/11/02"), QStringLiteral("000001"), QStringLiteral("丸山運送"),
                 qint64(1234567)})
        .addRow({QStringLiteral("26/11/05"), QStringLiteral("000002"), QStringLiteral("北星物流"),
                 qint64(-5000)});
    return ReportLayout::run(report, rows);
}

TEST(ReportColumnTableTest, HeadingCellAndTotalOfAColumnStandAtItsOnePosition) {
    EXPECT_EQ(placed(receiptList(1.0).pages[0]),
              (QStringList{"10,11 20 center 日付", "30,11 60 center 得意先",
                           "90,11 30 center 金　　額", "10,16 20 left 26/11/02",
                           "30,16 60 left 000001 丸山運送", "90,16 30 right 1,234,567",
                           "10,21 20 left 26/11/05", "30,21 60 left 000002 北星物流",
                           "90,21 30 right -5,000", "90,26 30 right 1,229,567"}));
}

TEST(ReportColumnTableTest, ATableDrawnForA4SpreadsAcrossAWiderBody) {
    // The continuous form's body of 216 mm against A4's 190 mm (a factor of 1.5 here for
    // round numbers): positions and widths widen, heights stay.
    EXPECT_EQ(placed(receiptList(1.5).pages[0]).mid(0, 6),
              (QStringList{"10,11 30 center 日付", "40,11 90 center 得意先",
                           "130,11 45 center 金　　額", "10,16 30 left 26/11/02",
                           "40,16 90 left 000001 丸山運送", "130,16 45 right 1,234,567"}));
}

}  // namespace
}  // namespace vantir::test
