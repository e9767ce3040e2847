#include <gtest/gtest.h>

#include "MonthlyReportFixture.h"
#include "common/printing/PrintError.h"
#include "common/printing/WorkingCopyPrint.h"
#include "common/rules/DateRuleMessages.h"
#include "platform/db/Connection.h"
#include "platform/report/NumberMask.h"
#include "platform/report/PageModelDump.h"
#include "support/ReferenceText.h"

namespace vantir::test {
namespace {

class MonthlyReportsTest : public MonthlyReportFixture {
  protected:
    QString dump(const char* report, const PrintSelection& selection) {
        return dumpPageModel(runner.layOut(QString::fromLatin1(report), selection));
    }
    QString refusal(const char* report, const PrintSelection& selection) {
        try {
            runner.layOut(QString::fromLatin1(report), selection);
        } catch (const PrintError& error) {
            return error.message();
        }
        return {};
    }
    Connection& work() { return dm2.database().connection(); }
};

// Customers "1" to "2" take "10", "11" and every code that sorts between.
TEST_F(MonthlyReportsTest, EachReportMatchesItsReference) {
    for (const char* report : {"QR_TK_SM", "QR_YS_SM", "QR_IN_SM", "QR_INS_SM", "QR_Rieki",
                               "QR_Eki_Tan", "QR_Uri_Nen", "QR_Sir_Nen"}) {
        SCOPED_TRACE(report);
        const bool staff = QLatin1String(report) == QLatin1String("QR_Eki_Tan");
        const QString text = dump(report, staff ? may("0", "99") : may());
        EXPECT_TRUE(matchesReference(text, __FILE__, QString::fromLatin1(report) + ".txt"));
    }
}

TEST_F(MonthlyReportsTest, TheCodeRangeComparesAsText) {
    struct Case {
        const char* report;
        const char* from;
        const char* to;
        const char* query;
        const char* column;
        QStringList codes;
    };
    for (const Case& c : {
             Case{"QR_TK_SM", "1", "2", "Q_HWRK2", "KCODE", {"1", "1", "10", "11", "2"}},
             Case{"QR_YS_SM", "1", "2", "Q_HWRK2", "YCODE", {"1", "10", "2", "2", "2"}},
             Case{"QR_Rieki", "10", "10", "Q_HWRK2", "KCODE", {"10"}},
             Case{"QR_Eki_Tan", "02", "03", "Q_HWRK2", "TANCOD", {"02", "02", "03"}},
             // The internal dealings: only slips with an internal amount.
             Case{"QR_IN_SM", "0", "999999", "Q_HWRK2", "KCODE", {"1", "10"}},
             Case{"QR_INS_SM", "0", "999999", "Q_HWRK2", "YCODE", {"10", "2"}},
             Case{"QR_Uri_Nen", "1", "2", "Q_HWRK31", "KCODE", {"1", "1", "2"}},
             Case{"QR_Sir_Nen", "0", "999999", "Q_HWRK32", "YCODE", {"2", "2"}},
             // A quote stays inside its literal: "1'..." sorts after "1" and before "10".
             Case{"QR_TK_SM", "1' OR '1'='1", "2", "Q_HWRK2", "KCODE", {"10", "11", "2"}},
         }) {
        SCOPED_TRACE(std::string(c.report) + " " + c.from);
        runner.layOut(QString::fromLatin1(c.report), may(c.from, c.to));
        EXPECT_EQ(listed(QString::fromLatin1(c.query), {QString::fromLatin1(c.column)}), c.codes);
    }
}

// Per slip: the tax truncated (12,345 -> 1,234), profit 12,345 + 1,000 − 10,000 − 500, the
// rate (12,345 − 10,000) / 12,345 = 18.9955 %; a slip without sales prints no rate. The
// page footer: running sums of the first three columns, the tax of the page's sales
// 42,345 (4,234, where the slips' own taxes add up to 4,233), profit and rate from the
// page's sums.
TEST_F(MonthlyReportsTest, TheSlipSummaryWorksEachSlipAndThePageOut) {
    const QString text = dump("QR_TK_SM", may());
    for (const char* figure : {"\"12,345\"", "\"1,234\"", "\"2,845\"", "\"13,345\"", "\"19.00\"",
                               "\"42,345\"", "\"4,234\"", "\"3,500\"", "\"5,000\"", "\"14.51\""})
        EXPECT_TRUE(text.contains(QString::fromLatin1(figure))) << figure;
    EXPECT_FALSE(text.contains(QStringLiteral("\"4,233\"")));
    // Slip 2 has no sales: its rate is blank, its line still prints.
    EXPECT_TRUE(text.contains(QStringLiteral("\"-1,000\"")));  // 0 + 2,000 − 3,000 − 0
    EXPECT_FALSE(text.contains(QStringLiteral("nan"), Qt::CaseInsensitive));
    EXPECT_FALSE(text.contains(QStringLiteral("inf"), Qt::CaseInsensitive));
}

// Sales 15,345 (12,345 + 3,000 of expenses), carrier fees 13,000, profit 2,345 and its
// rate over the sales 12,345; 大和工業 without sales: blank rate.
TEST_F(MonthlyReportsTest, TheProfitRateTableShowsOneLinePerCustomer) {
    const QString text = dump("QR_Rieki", may("0", "999999"));
    for (const char* line : {"\"1 丸山運送\"", "\"15,345\"", "\"13,000\"", "\"2,345\"", "\"19.00\"",
                             "\"10 北星物流\"", "\"25.00\"", "\"11 大和工業\"", "\"300\""})
        EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line;
    // 大和工業's line: sales 500, fees 200, profit 300 and no rate after it.
    const qsizetype at = text.indexOf(QStringLiteral("\"11 大和工業\""));
    const QString line = text.mid(at, text.indexOf(QStringLiteral("\"2 西日本\""), at) - at);
    EXPECT_EQ(line.count(QStringLiteral("\n")), 4) << line.toStdString();
}

// Months from the fiscal-year start 24/04/01 to 24/05/31, by customer and month; the
// group's tax is that of the summed sales: 155,560 -> 15,556, where the months' own
// taxes (10,000 + 5,555) add up to 15,555.
TEST_F(MonthlyReportsTest, TheYearlySheetTakesTheFiscalYearAndSumsEachPartner) {
    const QString text = dump("QR_Uri_Nen", may("0", "999999"));
    EXPECT_EQ(listed(QStringLiteral("Q_HWRK31"), {"KCODE", "HYMD"}),
              (QStringList{"1|24/04/30", "1|24/05/31", "2|24/05/31"}));
    for (const char* figure : {"\"04/30\"", "\"05/31\"", "\"155,560\"", "\"90,000\"", "\"15,556\"",
                               "\"70,560\"", "\"2,000\"", "\"-2,000\"", "\"25,555\""})
        EXPECT_TRUE(text.contains(QString::fromLatin1(figure))) << figure;
    EXPECT_FALSE(text.contains(QStringLiteral("77,777")));
    EXPECT_FALSE(text.contains(QStringLiteral("88,888")));
}

// With many slips the page footer's first three columns go on adding from the first
// slip, while what is worked out from the page starts again on each page.
TEST_F(MonthlyReportsTest, PageFootersRunOnWhileTheirWorkedFiguresRestart) {
    QList<SeedRow> slips;
    for (int code = 100; code < 160; ++code)
        slips << SeedRow{{"CODE", QString::number(code)},
                         {"DDAY", "24/05/03"},
                         {"KCODE", "5"},
                         {"KNAME", QStringLiteral("大量運送")},
                         {"UKING", 1000},
                         {"UHIYO", 0},
                         {"SKING", 0},
                         {"SHIYO", 0}};
    seedRows(dm1.database(), QStringLiteral("HITRAN1"), slips);
    const PageModel model = runner.layOut(QStringLiteral("QR_TK_SM"), may("5", "5"));
    ASSERT_GE(model.pages.size(), 3);
    const NumberMask yen(QStringLiteral("#,##0"));
    qint64 slipsSoFar = 0;
    for (const Page& page : model.pages) {
        const QStringList texts = page.textValues();
        const qint64 onPage = texts.count(QStringLiteral("大量運送"));
        slipsSoFar += onPage;
        // The running 売上金額, and the 消費税 of the page's own sales.
        EXPECT_TRUE(texts.contains(yen.format(slipsSoFar * 1000))) << slipsSoFar;
        EXPECT_TRUE(texts.contains(yen.format(onPage * 1000 / 10))) << onPage;
    }
    EXPECT_EQ(slipsSoFar, 60);
}

TEST_F(MonthlyReportsTest, AMonthWithoutRowsIsRefused) {
    PrintSelection selection = may();
    selection.month = QStringLiteral("23/01");
    for (const char* report : {"QR_TK_SM", "QR_Rieki", "QR_Uri_Nen", "QR_Sir_Nen"})
        EXPECT_EQ(refusal(report, selection), kNoDataMessage) << report;
}

// Nothing is extracted: the work table keeps what it held.
TEST_F(MonthlyReportsTest, AnEmptyClosingDayOrMonthIsRefusedBeforeAnyExtract) {
    runner.layOut(QStringLiteral("QR_TK_SM"), may());
    const QStringList before = rowsOf(work(), QStringLiteral("SELECT CODE FROM HWRK2"));
    for (const auto& [sime, month] : {std::pair{"", "24/06"}, std::pair{"99", ""}}) {
        PrintSelection selection = may();
        selection.sime = QString::fromLatin1(sime);
        selection.month = QString::fromLatin1(month);
        EXPECT_EQ(refusal("QR_TK_SM", selection), dateRuleMessage::enterClosingDayOrMonth);
    }
    EXPECT_EQ(rowsOf(work(), QStringLiteral("SELECT CODE FROM HWRK2")), before);
}

// A slip entered after start is printed: the working copy is taken anew first, and every
// row of the work table carries the rate of the working copy's SHOZEI.
TEST_F(MonthlyReportsTest, ThePrintSeesTheMainDatabaseAsItIsNow) {
    dm1.database().connection().execute(QStringLiteral("UPDATE SHOZEI SET ZEIGAKU = 8"));
    seedRows(dm1.database(), QStringLiteral("HITRAN1"),
             {{{"CODE", "8"}, {"DDAY", "24/05/30"}, {"KCODE", "1"}, {"UKING", 1}}});
    runner.layOut(QStringLiteral("QR_TK_SM"), may());
    EXPECT_EQ(rowsOf(work(), QStringLiteral("SELECT DISTINCT SHOZEI FROM HWRK2")),
              QStringList{"8"});
    EXPECT_TRUE(listed(QStringLiteral("Q_HWRK2"), {"CODE"}).contains(QStringLiteral("8")));
}

// A closing day after the 28th: 24/04/31 to 24/05/31 compare as text.
TEST_F(MonthlyReportsTest, AClosingDayAfterThe28thBoundsThePeriod) {
    PrintSelection selection = may();
    selection.sime = QStringLiteral("31");
    runner.layOut(QStringLiteral("QR_TK_SM"), selection);
    EXPECT_EQ(listed(QStringLiteral("Q_HWRK2"), {"CODE"}), (QStringList{"1", "2", "3", "7", "4"}));
}

}  // namespace
}  // namespace vantir::test
