#include <gtest/gtest.h>

#include "ScheduleFixture.h"
#include "common/printing/PrintError.h"
#include "common/printing/PrintRunner.h"
#include "common/printing/PrintoutRegistry.h"
#include "common/printing/WorkingCopyPrint.h"
#include "ledgers/rules/SchedulePrintouts.h"
#include "ledgers/rules/ScheduleWorkTables.h"
#include "platform/report/PageModelDump.h"
#include "support/ReferenceText.h"

namespace vantir::test {
namespace {

class SchedulePrintoutsTest : public ScheduleFixture {
  protected:
    void SetUp() override {
        ScheduleFixture::SetUp();
        registerSchedulePrintouts(registry);
    }

    static PrintSelection month(const char* yyMm) {
        PrintSelection selection;
        selection.month = QString::fromLatin1(yyMm);
        return selection;
    }
    QString dump(const char* printout, const char* yyMm = "24/02") {
        return dumpPageModel(runner.layOut(QString::fromLatin1(printout), month(yyMm)));
    }
    // What a print left in a work table of the working copy.
    QStringList workRows(const char* sql) {
        return rowsOf(dm2.database().connection(), QString::fromLatin1(sql));
    }

    PrintoutRegistry registry;
    PrintRunner runner{registry, {dm1, dm2}};
};

TEST(ScheduleMonthTest, AMonthRunsFromItsFirstToItsLastDay) {
    FixedToday today("2024-03-15");
    struct Case {
        const char* month;
        const char* first;
        const char* last;
    };
    for (const Case& c :
         {Case{"24/02", "24/02/01", "24/02/29"}, Case{"23/02", "23/02/01", "23/02/28"},
          Case{"24/12", "24/12/01", "24/12/31"}, Case{"24/04", "24/04/01", "24/04/30"}}) {
        SCOPED_TRACE(c.month);
        const ClosingPeriod range = ScheduleWorkTables::monthRange(QString::fromLatin1(c.month));
        EXPECT_EQ(range.start, c.first);
        EXPECT_EQ(range.end, c.last);
    }
    for (const char* bad : {"", "2402", "24/13", "24-02", "ab/cd"}) {
        SCOPED_TRACE(bad);
        try {
            ScheduleWorkTables::monthRange(QString::fromLatin1(bad));
            ADD_FAILURE() << "accepted";
        } catch (const PrintError& error) {
            EXPECT_EQ(error.message(),
                      QStringLiteral("月度は yy/mm の形（例 03/05）で入力して下さい。"));
        }
    }
}

TEST_F(SchedulePrintoutsTest, EachScheduleAndItsTwinMatchTheirReferences) {
    for (const char* name : {"QR_Nyu_Yo", "QR_Nyu_Yo2", "QR_Hari_Yo", "QR_Hari_Yo2", "QR_Hari_Lst",
                             "QR_Hari_Lst2", "QR_Kake_Rep", "QR_Kake_Rep2"}) {
        SCOPED_TRACE(name);
        EXPECT_TRUE(matchesReference(dump(name), __FILE__,
                                     QString::fromLatin1(name) + QStringLiteral(".txt")));
    }
}

// Receipts expected from the month's first day on, later months too, by the expected
// receipt date SHYMD (not the month key SYMD), in customer and date order; payments only
// those expected within the month.
TEST_F(SchedulePrintoutsTest, ReceiptsFromTheFirstDayOnPaymentsOfTheMonthOnly) {
    dump("QR_Nyu_Yo");
    EXPECT_EQ(workRows("SELECT KCODE, SYMD, SHYMD, SHOZEI FROM HWRK31 ORDER BY KCODE, SHYMD"),
              (QStringList{"000001|24/01/31|24/02/29|5", "000001|24/02/29|24/03/31|5",
                           "000002|24/02/29|24/03/20|5", "000005|24/02/29|24/03/31|5"}));
    const QString receipts = dump("QR_Nyu_Yo");
    EXPECT_LT(receipts.indexOf(QStringLiteral("\"02/29\"")),
              receipts.indexOf(QStringLiteral("\"03/31\"")));

    dump("QR_Hari_Yo");
    EXPECT_EQ(workRows("SELECT YCODE, SHYMD FROM HWRK32 ORDER BY YCODE"),
              (QStringList{"100001|24/02/29", "100002|24/02/10"}));
}

// Tax on the sales, cut toward zero: 100,000 at 5 % is 5,000; 1,001 gives 50 (50.05).
TEST_F(SchedulePrintoutsTest, ExpectedReceiptsAddTheTruncatedTaxToTheTotal) {
    const QString receipts = dump("QR_Nyu_Yo");
    for (const char* printed : {"\"5,000\"", "\"112,000\"", "\"50\"", "\"1,051\"", "\"210,000\""})
        EXPECT_TRUE(receipts.contains(QString::fromLatin1(printed))) << printed;
}

TEST_F(SchedulePrintoutsTest, ReceivablesAndPayablesPerPartner) {
    dump("QR_Kake_Rep");
    // 000001: 1,001 + 50 tax; its January sales are before the month. 000004 has neither
    // side and 000003 only sales before the month: absent. 000005's two offset each other
    // and are both still to settle.
    EXPECT_EQ(workRows("SELECT HYMD, KCODE, KNAME, YCODE, URIZAN, SIRZAN FROM HIMAS33"),
              (QStringList{"24/02/29|000001|丸山運送|100001|1051|30000",
                           "24/02/29|000002|北星物流|100002|210000|25000",
                           "24/02/29|000005|東和運輸|100005|7350|-7350"}));
}

TEST_F(SchedulePrintoutsTest, ThePayeeListTellsOrdinaryFromCurrentAccounts) {
    for (const char* name : {"QR_Hari_Lst", "QR_Hari_Lst2"}) {
        SCOPED_TRACE(name);
        const QString payees = dump(name);
        const qsizetype first = payees.indexOf(QStringLiteral("\"100001\""));
        const qsizetype second = payees.indexOf(QStringLiteral("\"100002\""));
        ASSERT_GE(first, 0);
        ASSERT_GT(second, first);
        EXPECT_EQ(payees.mid(first, second - first).count(QStringLiteral("\"普通\"")), 1);
        EXPECT_EQ(payees.mid(second).count(QStringLiteral("\"当座\"")), 1);
        EXPECT_TRUE(payees.contains(QStringLiteral("\"71,500\"")));  // 31,500 + 40,000
    }
}

TEST_F(SchedulePrintoutsTest, AMonthWithoutRowsIsRefusedWithTheNoDataMessage) {
    for (const char* name : {"QR_Nyu_Yo", "QR_Hari_Yo", "QR_Hari_Lst", "QR_Kake_Rep2"}) {
        SCOPED_TRACE(name);
        try {
            runner.layOut(QString::fromLatin1(name), month("25/01"));
            ADD_FAILURE() << "printed";
        } catch (const PrintError& error) {
            EXPECT_EQ(error.message(), kNoDataMessage);
        }
    }
}

// The print sees aggregates stored in the main database since start, unless the data
// switch has put an archive in place of the working copy: that is printed as it is.
TEST_F(SchedulePrintoutsTest, ThePrintTakesTheWorkingCopyAnewUnlessAnArchiveIsIn) {
    seedRows(dm1.database(), "HIMAS32",
             {{{"KCODE", "000003"}, {"YCODE", "100003"}, {"SHYMD", "24/02/15"}, {"SKING", 999}}});
    EXPECT_TRUE(dump("QR_Hari_Yo").contains(QStringLiteral("\"100003\"")));

    appState.WorkingCopyIsArchive = true;
    dm2.database().connection().execute(
        QStringLiteral("DELETE FROM HIMAS32 WHERE YCODE = '100003'"));
    EXPECT_FALSE(dump("QR_Hari_Yo").contains(QStringLiteral("\"100003\"")));
}

}  // namespace
}  // namespace vantir::test
