#include <gtest/gtest.h>

#include "platform/report/ReportDefinition.h"
#include "platform/report/ReportError.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/RowListCursor.h"
#include "support/QtPrinters.h"

namespace vantir::test {
namespace {

// Slips of a receipt list: customer code, amount, slip number.
RowListCursor receipts(const QList<QVariantList>& rows) {
    RowListCursor cursor(
        {QStringLiteral("KCODE"), QStringLiteral("UKING"), QStringLiteral("CODE")});
    for (const QVariantList& row : rows) cursor.addRow(row);
    return cursor;
}

RowListCursor numberedRows(int count) {
    RowListCursor cursor({QStringLiteral("CODE")});
    for (int i = 1; i <= count; ++i) cursor.addRow({QStringLiteral("R%1").arg(i)});
    return cursor;
}

// The texts of a page that a band of the test prints, in the order they were placed.
QStringList textsStartingWith(const Page& page, const QString& prefix) {
    QStringList found;
    for (const QString& text : page.textValues())
        if (text.startsWith(prefix)) found.append(text);
    return found;
}

const PageText* findText(const Page& page, const QString& text) {
    for (const PageText& t : page.texts)
        if (t.text == text) return &t;
    return nullptr;
}

// --- Pagination -----------------------------------------------------------------------

struct PaginationCase {
    const char* name;
    int rows;
    double detailHeight;
    bool headerOnFirstPage;
    QList<int> rowsPerPage;
};

// Names the case in test output (and in the test's registered name) instead of its bytes.
void PrintTo(const PaginationCase& c, std::ostream* os) { *os << c.name; }

class PaginationTest : public ::testing::TestWithParam<PaginationCase> {};

// A4 portrait, 10 mm margins: 277 mm inside; page header and footer 10 mm each leave
// 257 mm for rows (51 rows of 5 mm), 267 mm on a first page without its header (53 rows).
TEST_P(PaginationTest, BreaksWhereTheNextRowNoLongerFitsAboveThePageFooter) {
    const PaginationCase& c = GetParam();
    ReportDefinition report(QStringLiteral("一覧"),
                            PageSetup::a4(PageOrientation::Portrait, PageMargins::all(10)));
    report.setPageHeader(10)
        .setPrintOnFirstPage(c.headerOnFirstPage)
        .add(ReportElement::text(QStringLiteral("HEAD"), 0, 0, 50, 5));
    report.setDetail(c.detailHeight)
        .add(ReportElement::column(QStringLiteral("CODE"), 0, 0, 30, 5));
    report.setPageFooter(10).add(ReportElement::pageNumber(0, 0, 30, 5, QStringLiteral("P%1/%2")));
    RowListCursor rows = numberedRows(c.rows);

    const PageModel model = ReportLayout::run(report, rows);

    ASSERT_EQ(model.pages.size(), c.rowsPerPage.size());
    int next = 1;
    for (int p = 0; p < model.pages.size(); ++p) {
        const Page& page = model.pages[p];
        QStringList expected;
        for (int i = 0; i < c.rowsPerPage[p]; ++i) expected << QStringLiteral("R%1").arg(next++);
        EXPECT_EQ(textsStartingWith(page, QStringLiteral("R")), expected) << "page " << p + 1;
        EXPECT_EQ(textsStartingWith(page, QStringLiteral("P")),
                  QStringList{QStringLiteral("P%1/%2").arg(p + 1).arg(model.pages.size())});
        const bool header = p > 0 || c.headerOnFirstPage;
        EXPECT_EQ(page.textValues().contains(QStringLiteral("HEAD")), header) << "page " << p + 1;
        if (c.rowsPerPage[p] > 0) {
            const PageText* first = findText(page, expected.first());
            ASSERT_NE(first, nullptr);
            EXPECT_DOUBLE_EQ(first->rect.top(), header ? 20.0 : 10.0);
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rows, PaginationTest,
    ::testing::Values(PaginationCase{"Empty", 0, 5, true, {0}},
                      PaginationCase{"OneRow", 1, 5, true, {1}},
                      PaginationCase{"FullPage", 51, 5, true, {51}},
                      PaginationCase{"OneOver", 52, 5, true, {51, 1}},
                      PaginationCase{"ThreePages", 103, 5, true, {51, 51, 1}},
                      PaginationCase{"NoHeaderOnFirstPage", 60, 5, false, {53, 7}},
                      PaginationCase{"NoHeaderOnFirstPageFull", 53, 5, false, {53}},
                      // Ten rows of 25.7 mm fill 257 mm exactly despite rounding.
                      PaginationCase{"ExactFit", 10, 25.7, true, {10}},
                      PaginationCase{"ExactFitOneOver", 11, 25.7, true, {10, 1}}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Paper and margins ----------------------------------------------------------------

struct PaperCase {
    const char* name;
    PageSetup setup;
    QSizeF pageSize;
};

void PrintTo(const PaperCase& c, std::ostream* os) { *os << c.name; }

class PaperTest : public ::testing::TestWithParam<PaperCase> {};

TEST_P(PaperTest, PlacesBandsInsideTheMarginsOfThePaper) {
    const PaperCase& c = GetParam();
    const PageMargins& m = c.setup.margins();
    ReportDefinition report(QStringLiteral("一覧"), c.setup);
    report.setPageHeader(8).add(ReportElement::text(QStringLiteral("HEAD"), 0, 0, 50, 5));
    report.setDetail(5).add(ReportElement::column(QStringLiteral("CODE"), 2, 0, 30, 5));
    report.setPageFooter(6).add(ReportElement::text(QStringLiteral("FOOT"), 0, 1, 50, 5));
    RowListCursor rows = numberedRows(1);

    const PageModel model = ReportLayout::run(report, rows);

    EXPECT_EQ(model.pageSetup.pageSize(), c.pageSize);
    EXPECT_EQ(model.pageSetup.margins(), m);
    const Page& page = model.pages.first();
    EXPECT_EQ(findText(page, QStringLiteral("HEAD"))->rect.topLeft(), QPointF(m.left, m.top));
    EXPECT_EQ(findText(page, QStringLiteral("R1"))->rect.topLeft(), QPointF(m.left + 2, m.top + 8));
    EXPECT_DOUBLE_EQ(findText(page, QStringLiteral("FOOT"))->rect.top(),
                     c.pageSize.height() - m.bottom - 6 + 1);
}

INSTANTIATE_TEST_SUITE_P(
    Papers, PaperTest,
    ::testing::Values(
        PaperCase{"A4Portrait", PageSetup::a4(PageOrientation::Portrait, PageMargins::all(10)),
                  QSizeF(210, 297)},
        PaperCase{"A4Landscape",
                  PageSetup::a4(PageOrientation::Landscape,
                                {.top = 6, .bottom = 10, .left = 8, .right = 8}),
                  QSizeF(297, 210)},
        PaperCase{"ContinuousForm",
                  PageSetup::continuousForm({.top = 10, .bottom = 10, .left = 15, .right = 9}),
                  QSizeF(240, 279.4)}),
    [](const auto& info) { return std::string(info.param.name); });

// --- Groups and sums ------------------------------------------------------------------

ReportDefinition receiptList() {
    ReportDefinition report(QStringLiteral("入金伝票一覧表"),
                            PageSetup::a4(PageOrientation::Portrait, PageMargins::all(10)));
    ReportGroup& customer = report.addGroup(QStringLiteral("KCODE"));
    customer.setHeader(5).add(ReportElement::expression(
        [](const ReportContext& r) { return QVariant(QStringLiteral("H:") + r.text("KCODE")); }, 0,
        0, 40, 5));
    customer.setFooter(5)
        .addSum(QStringLiteral("GROUP_UKING"), QStringLiteral("UKING"))
        .addSum(QStringLiteral("RUNNING_UKING"), QStringLiteral("UKING"), AggregateReset::Running)
        .addCount(QStringLiteral("GROUP_COUNT"))
        .add(ReportElement::expression(
            [](const ReportContext& r) {
                return QVariant(QStringLiteral("F:%1 %2 %3 %4")
                                    .arg(r.text("KCODE"), r.aggregate("GROUP_UKING").toString(),
                                         r.aggregate("RUNNING_UKING").toString())
                                    .arg(r.aggregateInteger("GROUP_COUNT")));
            },
            0, 0, 80, 5));
    report.setDetail(5).add(ReportElement::column(QStringLiteral("CODE"), 0, 0, 20, 5));
    report.setSummary(5)
        .addSum(QStringLiteral("TOTAL_UKING"), QStringLiteral("UKING"))
        .addCount(QStringLiteral("TOTAL_COUNT"))
        .add(ReportElement::text(QStringLiteral("件数"), 0, 0, 20, 5))
        .add(ReportElement::aggregate(QStringLiteral("TOTAL_COUNT"), 20, 0, 20, 5))
        .add(ReportElement::aggregate(QStringLiteral("TOTAL_UKING"), 40, 0, 30, 5).amount());
    return report;
}

TEST(ReportGroupsTest, FootersCloseEachGroupWithItsOwnAndTheRunningTotals) {
    const ReportDefinition report = receiptList();
    RowListCursor rows = receipts({{QStringLiteral("000001"), qint64(1000), QStringLiteral("1")},
                                   {QStringLiteral("000001"), qint64(2500), QStringLiteral("2")},
                                   {QStringLiteral("000002"), QVariant(), QStringLiteral("3")},
                                   {QStringLiteral("000003"), qint64(-300), QStringLiteral("4")},
                                   {QStringLiteral("000003"), qint64(10000), QStringLiteral("5")}});

    const PageModel model = ReportLayout::run(report, rows);

    ASSERT_EQ(model.pages.size(), 1);
    // A NULL amount adds nothing to the sums but counts as a slip.
    EXPECT_EQ(model.pages[0].textValues(),
              (QStringList{"H:000001", "1", "2", "F:000001 3500 3500 2", "H:000002", "3",
                           "F:000002 0 3500 1", "H:000003", "4", "5", "F:000003 9700 13200 2",
                           "件数", "5", "13,200"}));
}

TEST(ReportGroupsTest, AnEmptyReportPrintsItsHeadingsAndAZeroSummaryOnOnePage) {
    ReportDefinition report = receiptList();
    report.setPageHeader(5).add(ReportElement::text(QStringLiteral("入金伝票一覧表"), 0, 0, 50, 5));
    report.setPageFooter(5).add(ReportElement::pageNumber(0, 0, 20, 5));
    RowListCursor rows = receipts({});

    const PageModel model = ReportLayout::run(report, rows);

    ASSERT_EQ(model.pages.size(), 1);
    EXPECT_EQ(model.pages[0].textValues(), (QStringList{"入金伝票一覧表", "件数", "0", "0", "1"}));
}

TEST(ReportGroupsTest, AnOuterBreakClosesAndReopensTheInnerGroups) {
    ReportDefinition report(QStringLiteral("元帳"),
                            PageSetup::a4(PageOrientation::Portrait, PageMargins::all(10)));
    for (const QString& column : {QStringLiteral("KCODE"), QStringLiteral("CODE")}) {
        ReportGroup& group = report.addGroup(column);
        group.setHeader(5).add(ReportElement::expression(
            [column](const ReportContext& r) {
                return QVariant(QStringLiteral("H") + r.text(column));
            },
            0, 0, 20, 5));
        group.setFooter(5).add(ReportElement::expression(
            [column](const ReportContext& r) {
                return QVariant(QStringLiteral("F") + r.text(column));
            },
            0, 0, 20, 5));
    }
    report.setDetail(5).add(ReportElement::column(QStringLiteral("UKING"), 0, 0, 20, 5));
    RowListCursor rows = receipts({{"A", qint64(1), "1"},
                                   {"A", qint64(2), "1"},
                                   {"A", qint64(3), "2"},
                                   {"B", qint64(4), "2"}});

    const PageModel model = ReportLayout::run(report, rows);

    EXPECT_EQ(model.pages[0].textValues(), (QStringList{"HA", "H1", "1", "2", "F1", "H2", "3", "F2",
                                                        "FA", "HB", "H2", "4", "F2", "FB"}));
}

// Page footers total the rows printed on their page, and a running total from the first
// row; with only group lines on the pages, a group's rows count on the page its line is on.
TEST(ReportGroupsTest, PageFootersTotalThePageAndRunFromTheFirstRow) {
    for (const bool withDetail : {true, false}) {
        SCOPED_TRACE(withDetail ? "detail lines" : "group lines only");
        // 277 mm inside the margins, 17 mm of footer: room for 2 bands of 100 mm a page.
        ReportDefinition report(QStringLiteral("予定表"),
                                PageSetup::a4(PageOrientation::Portrait, PageMargins::all(10)));
        if (withDetail)
            report.setDetail(100).add(ReportElement::column(QStringLiteral("CODE"), 0, 0, 20, 5));
        else
            report.addGroup(QStringLiteral("CODE"))
                .setFooter(100)
                .add(ReportElement::column(QStringLiteral("CODE"), 0, 0, 20, 5));
        report.setPageFooter(17)
            .addSum(QStringLiteral("PAGE_UKING"), QStringLiteral("UKING"))
            .addSum(QStringLiteral("ALL_UKING"), QStringLiteral("UKING"), AggregateReset::Running)
            .add(ReportElement::aggregate(QStringLiteral("PAGE_UKING"), 0, 0, 30, 5)
                     .mask(QStringLiteral("#,##0")))
            .add(ReportElement::aggregate(QStringLiteral("ALL_UKING"), 0, 6, 30, 5)
                     .mask(QStringLiteral("#,##0")));
        RowListCursor rows = receipts({{"A", qint64(1000), "1"},
                                       {"A", qint64(2000), "2"},
                                       {"A", qint64(4000), "3"},
                                       {"A", qint64(8000), "4"},
                                       {"A", qint64(16000), "5"}});

        const PageModel model = ReportLayout::run(report, rows);

        ASSERT_EQ(model.pages.size(), 3);
        EXPECT_EQ(model.pages[0].textValues(), (QStringList{"1", "2", "3,000", "3,000"}));
        EXPECT_EQ(model.pages[1].textValues(), (QStringList{"3", "4", "12,000", "15,000"}));
        EXPECT_EQ(model.pages[2].textValues(), (QStringList{"5", "16,000", "31,000"}));
    }
}

TEST(ReportGroupsTest, AGroupStartsOnANewPageWithoutAnEmptyFirstOrLastPage) {
    ReportDefinition report(QStringLiteral("売上元帳"),
                            PageSetup::a4(PageOrientation::Portrait, PageMargins::all(10)));
    report.setTitle(10).add(ReportElement::text(QStringLiteral("売　上　元　帳"), 0, 0, 60, 8));
    ReportGroup& customer = report.addGroup(QStringLiteral("KCODE"));
    customer.setStartOnNewPage();
    customer.setHeader(5).add(ReportElement::column(QStringLiteral("KCODE"), 0, 0, 30, 5));
    customer.setFooter(5)
        .addSum(QStringLiteral("S"), QStringLiteral("UKING"))
        .add(ReportElement::aggregate(QStringLiteral("S"), 0, 0, 30, 5));
    report.setDetail(5).add(ReportElement::column(QStringLiteral("CODE"), 0, 0, 20, 5));
    RowListCursor rows = receipts({{"000001", qint64(10), "1"},
                                   {"000001", qint64(20), "2"},
                                   {"000002", qint64(30), "3"},
                                   {"000003", qint64(40), "4"}});

    const PageModel model = ReportLayout::run(report, rows);

    ASSERT_EQ(model.pages.size(), 3);
    EXPECT_EQ(model.pages[0].textValues(),
              (QStringList{"売　上　元　帳", "000001", "1", "2", "30"}));
    EXPECT_EQ(model.pages[1].textValues(), (QStringList{"000002", "3", "30"}));
    EXPECT_EQ(model.pages[2].textValues(), (QStringList{"000003", "4", "40"}));
    EXPECT_DOUBLE_EQ(findText(model.pages[1], QStringLiteral("000002"))->rect.top(), 10.0);
}

TEST(ReportGroupsTest, AGroupHeaderIsNotLeftAloneAtTheFootOfAPage) {
    // 277 mm inside the margins: the header of B (10 mm) would fit after two rows of
    // 100 mm, its first row would not.
    ReportDefinition report(QStringLiteral("一覧"),
                            PageSetup::a4(PageOrientation::Portrait, PageMargins::all(10)));
    report.addGroup(QStringLiteral("KCODE"))
        .setHeader(10)
        .add(ReportElement::expression(
            [](const ReportContext& r) { return QVariant(QStringLiteral("H") + r.text("KCODE")); },
            0, 0, 20, 5));
    report.setDetail(100).add(ReportElement::column(QStringLiteral("CODE"), 0, 0, 20, 5));
    RowListCursor rows =
        receipts({{"A", qint64(1), "1"}, {"A", qint64(2), "2"}, {"B", qint64(3), "3"}});

    const PageModel model = ReportLayout::run(report, rows);

    ASSERT_EQ(model.pages.size(), 2);
    EXPECT_EQ(model.pages[0].textValues(), (QStringList{"HA", "1", "2"}));
    EXPECT_EQ(model.pages[1].textValues(), (QStringList{"HB", "3"}));
}

TEST(ReportBandsTest, ASummaryThatForcesANewPageOrSitsAtTheFoot) {
    struct Case {
        const char* name;
        bool forceNewPage;
        bool atFoot;
        int pages;
        double summaryTop;
    };
    // Body from 10 to 287 mm; page footer 7 mm above the bottom margin.
    for (const Case& c :
         {Case{"flowing", false, false, 1, 25.0}, Case{"new page", true, false, 2, 10.0},
          Case{"at the foot", false, true, 1, 270.0},
          Case{"at the foot of a new page", true, true, 2, 270.0}}) {
        SCOPED_TRACE(c.name);
        ReportDefinition report(QStringLiteral("請求書"),
                                PageSetup::a4(PageOrientation::Portrait, PageMargins::all(10)));
        report.setDetail(5).add(ReportElement::column(QStringLiteral("CODE"), 0, 0, 20, 5));
        report.setSummary(10)
            .setForceNewPage(c.forceNewPage)
            .setAtPageFoot(c.atFoot)
            .add(ReportElement::text(QStringLiteral("合計"), 0, 0, 20, 10));
        report.setPageFooter(7);
        RowListCursor rows = numberedRows(3);

        const PageModel model = ReportLayout::run(report, rows);

        ASSERT_EQ(model.pages.size(), c.pages);
        const PageText* total = findText(model.pages.last(), QStringLiteral("合計"));
        ASSERT_NE(total, nullptr);
        EXPECT_DOUBLE_EQ(total->rect.top(), c.summaryTop);
    }
}

TEST(ReportBandsTest, DetailInColumnsFillsAcrossThenDownThenANewPage) {
    // Labels: 3 across, 68.5 mm wide and 43.4 mm high; 6 rows of labels on A4 with 7 mm
    // margins top and bottom (283 mm).
    ReportDefinition report(
        QStringLiteral("取引先ラベル"),
        PageSetup::a4(PageOrientation::Portrait, {.top = 7, .bottom = 7, .left = 2, .right = 2}));
    report.setDetail(43.4).setColumns(3, 68.5).add(
        ReportElement::column(QStringLiteral("CODE"), 5, 5, 50, 5));
    RowListCursor rows = numberedRows(20);

    const PageModel model = ReportLayout::run(report, rows);

    ASSERT_EQ(model.pages.size(), 2);
    EXPECT_EQ(model.pages[0].texts.size(), 18);
    const auto at = [&](int page, const QString& text) {
        return findText(model.pages[page], text)->rect.topLeft();
    };
    EXPECT_EQ(at(0, "R1"), QPointF(7, 12));
    EXPECT_EQ(at(0, "R2"), QPointF(7 + 68.5, 12));
    EXPECT_EQ(at(0, "R3"), QPointF(7 + 137, 12));
    EXPECT_EQ(at(0, "R4"), QPointF(7, 12 + 43.4));
    EXPECT_EQ(at(1, "R19"), QPointF(7, 12));
    EXPECT_EQ(at(1, "R20"), QPointF(7 + 68.5, 12));
}

TEST(ReportBandsTest, LinesBoxesAndRulesArePlacedWithTheirBand) {
    ReportDefinition report(QStringLiteral("請求書"),
                            PageSetup::a4(PageOrientation::Portrait, PageMargins::all(10)));
    report.setColumnHeader(6)
        .add(ReportElement::box(0, 0, 190, 6))
        .add(ReportElement::line(0, 6, 190, 6).lineWidth(0.5));
    report.setDetail(5)
        .add(ReportElement::verticalRule(30))
        .add(ReportElement::column(QStringLiteral("CODE"), 0, 0, 20, 5));
    RowListCursor rows = numberedRows(2);

    const PageModel model = ReportLayout::run(report, rows);

    const Page& page = model.pages[0];
    ASSERT_EQ(page.boxes.size(), 1);
    EXPECT_EQ(page.boxes[0].rect, QRectF(10, 10, 190, 6));
    ASSERT_EQ(page.lines.size(), 3);
    EXPECT_EQ(page.lines[0].line, QLineF(10, 16, 200, 16));
    EXPECT_DOUBLE_EQ(page.lines[0].width, 0.5);
    EXPECT_EQ(page.lines[1].line, QLineF(40, 16, 40, 21));
    EXPECT_EQ(page.lines[2].line, QLineF(40, 21, 40, 26));
}

TEST(ReportDefinitionErrorsTest, NamesThatDoNotExistStopTheLayout) {
    const auto layoutWith = [](ReportBand& (ReportDefinition::*band)(double),
                               const ReportElement& element, const char* aggregate) {
        ReportDefinition report(QStringLiteral("一覧"),
                                PageSetup::a4(PageOrientation::Portrait, PageMargins::all(10)));
        ReportBand& b = (report.*band)(5);
        b.add(element);
        if (aggregate) report.setSummary(5).addCount(QString::fromLatin1(aggregate));
        RowListCursor rows = numberedRows(1);
        ReportLayout::run(report, rows);
    };
    EXPECT_THROW(layoutWith(&ReportDefinition::setDetail,
                            ReportElement::column(QStringLiteral("KNAME"), 0, 0, 1, 1), nullptr),
                 ReportError);
    EXPECT_THROW(layoutWith(&ReportDefinition::setPageFooter,
                            ReportElement::aggregate(QStringLiteral("TOTAL"), 0, 0, 1, 1), nullptr),
                 ReportError);
    EXPECT_THROW(
        layoutWith(&ReportDefinition::setDetail,
                   ReportElement::expression(
                       [](const ReportContext& r) { return r.value("KNAME"); }, 0, 0, 1, 1),
                   nullptr),
        ReportError);
    ReportDefinition twice(QStringLiteral("一覧"),
                           PageSetup::a4(PageOrientation::Portrait, PageMargins::all(10)));
    twice.setSummary(5).addCount(QStringLiteral("N"));
    twice.setPageFooter(5).addCount(QStringLiteral("n"));
    RowListCursor rows = numberedRows(1);
    EXPECT_THROW(ReportLayout::run(twice, rows), ReportError);
}

}  // namespace
}  // namespace vantir::test
