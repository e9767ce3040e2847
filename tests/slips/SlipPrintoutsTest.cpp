#include <gtest/gtest.h>

#include "SlipPrintFixture.h"
#include "common/printing/ReportLayoutSwitches.h"
#include "platform/report/PageModelDump.h"
#include "support/ReferenceText.h"

namespace vantir::test {
namespace {

using SlipPrintoutsTest = SlipPrintFixture;

TEST_F(SlipPrintoutsTest, EachKindOfDateSelectsByItsColumnInSlipNumberOrder) {
    struct Case {
        const char* kind;
        QStringList codes;
    };
    for (const Case& c :
         {Case{"配車日", {"9", "10", "12", "100"}}, Case{"降し日", {"10", "11", "100"}},
          // By DDAY whatever the dispatch date: 11 went out on the 30th and
          // is billed on its unloading day, 12 went out on the 31st and is not.
          Case{"請求日", {"9", "10", "11", "100"}}}) {
        SCOPED_TRACE(c.kind);
        EXPECT_EQ(codesOf(QStringLiteral("QR_Vantir"), day("03/05/31", c.kind)), c.codes);
        EXPECT_EQ(codesOf(QStringLiteral("QR_Jyuryo"), day("03/05/31", c.kind)), c.codes);
    }
}

// A NULL and an empty CHKDAY are both open; every slip of the day is in exactly one list.
TEST_F(SlipPrintoutsTest, TheConfirmedAndOpenListsPartitionTheDaysSlips) {
    const PrintSelection selection = day("03/05/31", "配車日");
    const QStringList confirmed = codesOf(QStringLiteral("QR_Kakutei"), selection);
    const QStringList open = codesOf(QStringLiteral("QR_Mitei"), selection);

    EXPECT_EQ(confirmed, (QStringList{"10", "12"}));
    EXPECT_EQ(open, (QStringList{"9", "100"}));
    QStringList both = confirmed + open;
    both.sort();
    QStringList all = codesOf(QStringLiteral("QR_Vantir"), selection);
    all.sort();
    EXPECT_EQ(both, all);
}

TEST_F(SlipPrintoutsTest, TheSummaryCountsTheSlipsAndSumsTheFourAmountsUnderTheirColumns) {
    const PageModel model = runner.layOut(QStringLiteral("QR_Vantir"), day("03/05/31", "請求日"));

    const QStringList texts = model.pages.last().textValues();
    const qsizetype at = texts.lastIndexOf(QStringLiteral("件数"));
    ASSERT_GE(at, 0);
    // 件数, then UKING, UHIYO, SKING, SHIYO of slips 9, 10, 11 and 100.
    EXPECT_EQ(texts.mid(at), (QStringList{"件数", "4", "1,289,567", "1,250", "1,044,000", "600"}));
}

// Whole printouts against their references; VANTIR_UPDATE_REFERENCES=1 writes them anew.
TEST_F(SlipPrintoutsTest, EveryPrintoutMatchesItsReference) {
    struct Case {
        const char* printout;
        const char* date;
        const char* reference;
    };
    for (const Case& c : {Case{"QR_Vantir", "03/05/31", "QR_Vantir.txt"},
                          Case{"QR_Vantir2", "03/05/31", "QR_Vantir2.txt"},
                          Case{"QR_Kakutei", "03/05/31", "QR_Kakutei.txt"},
                          Case{"QR_Mitei2", "03/05/31", "QR_Mitei2.txt"},
                          // An empty day: the headings and "件数" 0, no receipts.
                          Case{"QR_Mitei", "03/07/01", "QR_Mitei_empty_day.txt"},
                          Case{"QR_Jyuryo", "03/05/31", "QR_Jyuryo.txt"},
                          Case{"QR_Jyuryo2", "03/05/31", "QR_Jyuryo2.txt"},
                          Case{"QR_Jyuryo", "03/07/01", "QR_Jyuryo_empty_day.txt"},
                          Case{"QR_JyuryoW", "", "QR_JyuryoW.txt"}}) {
        SCOPED_TRACE(c.reference);
        const PageModel model =
            runner.layOut(QString::fromLatin1(c.printout), day(c.date, "配車日"));
        EXPECT_TRUE(
            matchesReference(dumpPageModel(model), __FILE__, QString::fromLatin1(c.reference)));
    }
}

TEST_F(SlipPrintoutsTest, AnEmptyDayPrintsTheHeadingsAndACountOfNought) {
    const PageModel model = runner.layOut(QStringLiteral("QR_Kakutei"), day("03/07/01", "降し日"));

    ASSERT_EQ(model.pages.size(), 1);
    const QStringList texts = model.pages[0].textValues();
    EXPECT_TRUE(texts.contains(QStringLiteral("確定一覧表")));
    EXPECT_TRUE(texts.contains(QStringLiteral("03/07/01")));
    EXPECT_TRUE(texts.contains(QStringLiteral("降し日")));
    EXPECT_EQ(texts.mid(texts.indexOf(QStringLiteral("件数"))),
              (QStringList{"件数", "0", "0", "0", "0", "0"}));
}

TEST_F(SlipPrintoutsTest, TheTitleFollowsTheList) {
    for (const auto& [printout, title] :
         {std::pair{"QR_Vantir", "配車入力確認表"}, std::pair{"QR_Kakutei2", "確定一覧表"},
          std::pair{"QR_Mitei", "未定一覧表"}}) {
        const PageModel model =
            runner.layOut(QString::fromLatin1(printout), day("03/05/31", "配車日"));
        EXPECT_EQ(model.title, QString::fromUtf8(title));
        EXPECT_EQ(model.pages[0].texts[0].text, QString::fromUtf8(title));
    }
}

// The report flag "1" chooses the continuous form: portrait, two lines per slip.
TEST_F(SlipPrintoutsTest, ReportFlagOneChoosesTheContinuousLayouts) {
    dm1.database().connection().execute(
        QStringLiteral("UPDATE COP_DAT SET RPT_FLG = '1' WHERE CODE = '1'"));
    readReportLayoutSwitches(dm1, appState);

    for (const char* printout : {"QR_Vantir", "QR_Jyuryo"}) {
        SCOPED_TRACE(printout);
        const QString chosen = chosenLayout(QString::fromLatin1(printout), appState);
        const PageModel model = runner.layOut(chosen, day("03/05/31", "配車日"));

        EXPECT_EQ(chosen, QString::fromLatin1(printout) + QLatin1Char('2'));
        EXPECT_EQ(model.pageSetup.pageSize(), QSizeF(240, 279.4));
    }
    const PageModel list = runner.layOut(chosenLayout(QStringLiteral("QR_Vantir"), appState),
                                         day("03/05/31", "配車日"));
    // Slip 9's dispatch date on line 1 and its unloading date on line 2, one under the other.
    const QList<PageText>& texts = list.pages[0].texts;
    const auto at = [&texts](const char* value, double from) {
        for (const PageText& t : texts)
            if (t.text == QLatin1String(value) && t.rect.top() >= from) return t.rect;
        return QRectF();
    };
    const QRectF dispatched = at("03/05/31", 30);
    const QRectF unloaded = at("03/06/01", dispatched.top());
    EXPECT_EQ(unloaded.left(), dispatched.left());
    EXPECT_DOUBLE_EQ(unloaded.top() - dispatched.top(), 5.0);
}

TEST_F(SlipPrintoutsTest, ReceiptsStandThreeAcrossWithTheCompanyAndFirstBranch) {
    const PageModel model = runner.layOut(QStringLiteral("QR_Jyuryo"), day("03/05/31", "配車日"));

    ASSERT_EQ(model.pages.size(), 1);
    QList<QRectF> numbers;
    int companies = 0;
    int branches = 0;
    for (const PageText& t : model.pages[0].texts) {
        if (t.text.startsWith(QStringLiteral("No  "))) numbers << t.rect;
        companies += t.text == QStringLiteral("ヴァンティル運輸株式会社");
        branches += t.text == QStringLiteral("本社営業所");
    }
    ASSERT_EQ(numbers.size(), 4);
    EXPECT_EQ(companies, 4);
    EXPECT_EQ(branches, 4);
    // Slips 9, 10, 12 across the first row, 100 below the first.
    EXPECT_DOUBLE_EQ(numbers[0].top(), numbers[1].top());
    EXPECT_DOUBLE_EQ(numbers[1].top(), numbers[2].top());
    EXPECT_LT(numbers[0].left(), numbers[1].left());
    EXPECT_LT(numbers[1].left(), numbers[2].left());
    EXPECT_DOUBLE_EQ(numbers[3].left(), numbers[0].left());
    EXPECT_GT(numbers[3].top(), numbers[0].top());
}

TEST_F(SlipPrintoutsTest, TheBlankSheetHasFifteenReceiptsWithTheNumberLeftEmpty) {
    const PageModel model = runner.layOut(QStringLiteral("QR_JyuryoW"), {});

    ASSERT_EQ(model.pages.size(), 1);
    const Page& page = model.pages[0];
    EXPECT_EQ(page.boxes.size(), 15);
    const QStringList texts = page.textValues();
    for (const char* fixed : {"**  受  領  書  **", "No", "御中", "月　 日", "輸送区間", "車　番",
                              "適　用", "ヴァンティル運輸株式会社", "本社営業所"})
        EXPECT_EQ(texts.count(QString::fromUtf8(fixed)), 15) << fixed;
    EXPECT_EQ(texts.size(), 15 * 9);
}

}  // namespace
}  // namespace vantir::test
