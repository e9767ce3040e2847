// The monthly aggregation on small companies that each show one rule of the books.
#include <gtest/gtest.h>

#include "MonthlyTables.h"
#include "common/rules/DateRuleMessages.h"
#include "monthly/rules/ClosingDayLoop.h"
#include "monthly/rules/MonthlyAggregation.h"
#include "monthly/rules/MonthlyMessages.h"
#include "monthly/rules/MonthlyRunValues.h"
#include "platform/db/Connection.h"
#include "support/DataModuleTest.h"
#include "support/Seed.h"

namespace vantir::test {
namespace {

SeedRow partner(const char* code, const char* sime, const char* flag, const char* site = "30") {
    return {{"KCODE", code}, {"YCODE", code}, {"KNAME", QString(QStringLiteral("取引先") + QLatin1String(code))},
            {"SIME", sime}, {"SAIT", site}, {"SIMEFLG", flag}};
}

// A slip of customer k and carrier y on billing date dday.
SeedRow slip(int code, const char* k, const char* y, const char* dday, qint64 uking,
             qint64 yking = 0, qint64 sking = 0, qint64 uhiyo = 0, qint64 shiyo = 0) {
    return {{"CODE", QString::number(code)}, {"HYMD", dday}, {"DDAY", dday}, {"SEKBN", "0"},
            {"KCODE", k}, {"YCODE", y}, {"UKING", uking}, {"YKING", yking}, {"SKING", sking},
            {"UHIYO", uhiyo}, {"SHIYO", shiyo}, {"INKING", 0}, {"INSKING", 0}};
}

SeedRow cash(int code, const char* k, const char* y, const char* dday, const char* column, qint64 amount) {
    return {{"CODE", QString::number(code)}, {"HYMD", dday}, {"DDAY", dday}, {"KCODE", k},
            {"YCODE", y}, {column, amount}};
}

class MonthlyAggregationTest : public DataModuleTest {
  protected:
    Connection& main() { return dm1.database().connection(); }
    Connection& work() { return dm2.database().connection(); }
    void seed(const QString& table, const QList<SeedRow>& rows) { seedRows(main(), table, rows); }
    void control(const char* assignments) {
        main().execute(QStringLiteral("UPDATE S_CONTROL SET %1 WHERE CODE = '1'").arg(QLatin1String(assignments)));
    }
    void taxRate(int percent) {
        main().execute(QStringLiteral("UPDATE SHOZEI SET ZEIGAKU = %1 WHERE CODE = 1").arg(percent));
    }
    Result run(const QString& closingDay, const QString& month, bool archive = false) {
        MonthlyAggregation aggregation(dm1, dm2, [this](const QString& line) { progress.append(line); });
        return aggregation.run(closingDay, month, archive);
    }
    QStringList rows(const QString& sql) { return rowsOf(main(), sql); }

    QStringList progress;
};

TEST(ClosingDayLoopTest, VisitsTheTwentyEighthInEveryFebruaryAndTheTwentyNinthElsewhere) {
    const auto days = [](int last) {
        QStringList list;
        for (int day = 1; day <= last; ++day) list.append(QStringLiteral("%1").arg(day, 2, 10, QLatin1Char('0')));
        return list << QStringLiteral("99");
    };
    EXPECT_EQ(ClosingDayLoop::visits("24/02"), days(28));  // leap February
    EXPECT_EQ(ClosingDayLoop::visits("23/02"), days(28));  // 28th no longer skipped
    EXPECT_EQ(ClosingDayLoop::visits("24/03"), days(29));
    EXPECT_EQ(ClosingDayLoop::visits("23/12"), days(29));
}

TEST_F(MonthlyAggregationTest, PeriodAndFiscalStartFollowTheClosingDayAndTheControlRecord) {
    struct Case {
        const char* closingDay;
        const char* month;
        const char* VKETU;
        const char* VSIM;
        const char* day, *start, *end, *fiscal;
    };
    const Case cases[] = {
        {"20", "24/01", "03", "20", "20", "23/12/21", "24/01/20", "23/04/21"},
        {"99", "24/02", "03", "99", "99", "24/02/01", "24/02/29", "23/04/01"},
        {"99", "23/12", "03", "99", "99", "23/12/01", "23/12/31", "23/04/01"},
        {"99", "24/07", "12", "99", "99", "24/07/01", "24/07/31", "24/01/01"},
        {"5", "24/03", "03", "99", "05", "24/02/06", "24/03/05", "23/04/01"},  // padded
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.closingDay) + " " + c.month);
        main().execute(QStringLiteral("UPDATE S_CONTROL SET VKETU = '%1', VSIM = '%2'").arg(c.VKETU, c.VSIM));
        const auto values = MonthlyRunValues::read(c.closingDay, c.month, main(), work());
        ASSERT_TRUE(values) << values.message.toStdString();
        EXPECT_EQ(values.value->closingDay, c.day);
        EXPECT_EQ(values.value->start, c.start);
        EXPECT_EQ(values.value->end, c.end);
        EXPECT_EQ(values.value->fiscalStart, c.fiscal);
    }
}

TEST_F(MonthlyAggregationTest, AnEmptyFieldStopsTheRunWithTheMessageAndWritesNothing) {
    seed("HIMAS3", {partner("000001", "99", "2")});
    seed("HITRAN1", {slip(1, "000001", "000001", "24/01/10", 1000)});
    for (const auto& [day, month] : {std::pair{"", "24/01"}, std::pair{"99", ""}}) {
        const Result result = run(day, month);
        EXPECT_FALSE(result.ok);
        EXPECT_EQ(result.message, dateRuleMessage::enterClosingDayOrMonth);
    }
    EXPECT_TRUE(rows("SELECT * FROM HIMAS31").isEmpty());
}

TEST_F(MonthlyAggregationTest, TaxIsTruncatedAndOneNonNegativeSlipMakesEveryCustomersSumCount) {
    taxRate(8);
    seed("HIMAS3", {partner("000001", "99", "2"), partner("000002", "99", "2"),
                    partner("000003", "10", "2")});
    seed("HITRAN1", {slip(1, "000001", "000001", "24/01/10", 10005),
                     slip(2, "000002", "000002", "24/01/11", -1005),
                     // Alone in its group and negative: its sales do not count, its costs do.
                     slip(3, "000003", "000003", "24/01/05", -500, 0, 0, 30)});
    ASSERT_TRUE(run("99", "24/01").ok);
    EXPECT_EQ(rows("SELECT KCODE, UKING, URIZAN FROM HIMAS31 ORDER BY KCODE"),
              (QStringList{"000001|10005|10805", "000002|-1005|-1085", "000003|-500|30"}));
}

TEST_F(MonthlyAggregationTest, OwnClosingDayCustomersKeepTheMastersPurchaseColumns) {
    seed("HIMAS3", {partner("000001", "20", "2"), partner("000002", "20", "1")});
    main().execute("UPDATE HIMAS3 SET SKING = 55, SHYMD = '99/99/99'");
    seed("HITRAN1", {slip(1, "000001", "000009", "24/01/10", 1000, 700, 900),
                     slip(2, "000002", "000009", "24/01/10", 1000, 700, 900)});
    ASSERT_TRUE(run("99", "24/01").ok);
    // Per closing day: carrier fees from YKING, due date from the site; own closing day:
    // the master's SKING and SHYMD, and SIRZAN from SKING.
    EXPECT_EQ(rows("SELECT KCODE, SKING, SHYMD, SIRZAN FROM HIMAS31 ORDER BY KCODE"),
              (QStringList{"000001|700|24/02/20|770", "000002|55|99/99/99|990"}));
}

TEST_F(MonthlyAggregationTest, RowsWithNoSlipAmountInTheirMonthAreTidiedAwayInEveryMonth) {
    seed("HIMAS3", {partner("000001", "99", "2"), partner("000002", "99", "2"),
                    partner("000003", "99", "2")});
    seed("HITRAN1", {slip(1, "000003", "000003", "24/01/10", 100, 50, 50)});
    // Receipts alone pass the customer group's eight amounts, a payment alone fails the
    // carrier group's six; the final tidy of the six removes both kinds.
    seed("HITRAN2", {cash(1, "000001", "", "24/01/15", "UKING", 5000),
                     cash(2, "000003", "", "24/01/15", "UKING", 70)});
    seed("HITRAN3", {cash(1, "", "000002", "24/01/15", "SKING", 3000)});
    // A row of an earlier month with nothing in it goes too.
    seed("HIMAS31", {{{"KCODE", "000002"}, {"HYMD", "23/12/31"}, {"UKING", 0}, {"NUKING", 9}}});
    ASSERT_TRUE(run("99", "24/01").ok);
    EXPECT_EQ(rows("SELECT KCODE, HYMD, NUKING FROM HIMAS31"), QStringList{"000003|24/01/31|70"});
    EXPECT_EQ(rows("SELECT YCODE FROM HIMAS32"), QStringList{"000003"});
}

TEST_F(MonthlyAggregationTest, CarrierBalancesSubtractExpensesAndPayments) {
    seed("HIMAS3", {partner("000001", "99", "2"), partner("000002", "99", "1")});
    main().execute("UPDATE HIMAS3 SET SIRZAN = 50000");
    seed("HITRAN1", {slip(1, "000009", "000001", "24/01/10", 0, 100000, 100000, 0, 2000),
                     slip(2, "000009", "000002", "24/01/10", 0, 100000, 100000, 0, 2000)});
    seed("HITRAN3", {cash(1, "", "000001", "23/12/15", "SKING", 20000),
                     cash(2, "", "000002", "23/12/15", "SKING", 20000)});
    ASSERT_TRUE(run("99", "24/01").ok);
    // SIRZAN = 10,000 tax + 100,000 - 2,000; GKING: per closing day the master's balance
    // less the payments since the fiscal start, own closing day those payments.
    EXPECT_EQ(rows("SELECT YCODE, SKING, SIRZAN, GKING FROM HIMAS32 ORDER BY YCODE"),
              (QStringList{"000001|100000|108000|30000", "000002|100000|108000|20000"}));
}

TEST_F(MonthlyAggregationTest, OwnClosingDayPaymentDateStopsAtTheMonthsLastDay) {
    control("VSIM = '99', VSIT = '2', VYOT = '31'");
    seed("HIMAS3", {partner("000001", "99", "1")});
    seed("HITRAN1", {slip(1, "000009", "000001", "23/12/10", 0, 1000, 1000)});
    ASSERT_TRUE(run("99", "23/12").ok);
    EXPECT_EQ(rows("SELECT SHYMD FROM HIMAS32"), QStringList{"24/02/29"});
}

TEST_F(MonthlyAggregationTest, LedgersKeepReceiptRowsDropEmptySidesAndLeaveAnEmptyPeriodAlone) {
    seed("HIMAS3", {partner("000001", "99", "2")});
    seed("HITRAN1", {slip(1, "000001", "000001", "24/01/10", 1000, 400, 400),
                     slip(2, "000001", "000001", "24/01/11", 0, 700, 700)});  // no sales side
    seed("HITRAN2", {cash(1, "000001", "", "24/01/20", "UKING", 800)});
    seed("HITRANM", {{{"DDAY", "24/02/10"}, {"CODE", "77"}, {"KCODE", "000001"}}});
    ASSERT_TRUE(run("99", "24/01").ok);
    EXPECT_EQ(rows("SELECT CODE, UKING, SKING, SHOZEI FROM HITRANM ORDER BY DDAY, CODE"),
              (QStringList{"1|1000|0|10", "1|<null>|800|<null>", "77|<null>|<null>|<null>"}));
    EXPECT_EQ(rows("SELECT CODE, UKING, SKING FROM HITRANS ORDER BY CODE"),
              (QStringList{"1|0|400", "2|0|700"}));
    // February has neither slips nor receipts: its ledger row stays.
    ASSERT_TRUE(run("99", "24/02").ok);
    EXPECT_EQ(rows("SELECT CODE FROM HITRANM WHERE DDAY >= '24/02/01'"), QStringList{"77"});
}

TEST_F(MonthlyAggregationTest, RunningAMonthTwiceStoresTheSameTablesAndShowsItsProgress) {
    seed("HIMAS3", {partner("000001", "99", "2"), partner("000002", "20", "1")});
    seed("HITRAN1", {slip(1, "000001", "000002", "24/01/10", 1000, 400, 400),
                     slip(2, "000002", "000001", "24/01/11", 900, 700, 700)});
    ASSERT_TRUE(run("99", "24/01").ok);
    const MonthlyTables once = MonthlyTables::of(main());
    ASSERT_TRUE(run("99", "24/01").ok);
    EXPECT_EQ(MonthlyTables::of(main()), once);
    EXPECT_EQ(once.HIMAS31.size(), 2);
    EXPECT_TRUE(progress.contains(QStringLiteral("※　只今20日締仕入累計データ集計中　※")));
    EXPECT_TRUE(progress.contains(QStringLiteral("※　只今末締売上データ集計中　※")));
    EXPECT_TRUE(progress.contains(monthlyMessage::ownPurchases));
    EXPECT_TRUE(progress.last().isEmpty());
}

TEST_F(MonthlyAggregationTest, ASlipEnteredAfterStartIsCountedByTheNextRun) {
    seed("HIMAS3", {partner("000001", "99", "2")});
    seed("HITRAN1", {slip(1, "000001", "000001", "24/01/10", 1000)});
    ASSERT_TRUE(run("99", "24/01").ok);
    seed("HITRAN1", {slip(2, "000001", "000001", "24/01/12", 500)});
    ASSERT_TRUE(run("99", "24/01").ok);
    EXPECT_EQ(rows("SELECT UKING FROM HIMAS31"), QStringList{"1500"});
}

TEST_F(MonthlyAggregationTest, AnInterruptedPushLeavesTheMainDatabasesPreviousTable) {
    seed("HIMAS3", {partner("000001", "99", "2")});
    seed("HITRAN1", {slip(1, "000001", "000001", "24/01/10", 1000)});
    seed("HIMAS31", {{{"KCODE", "000001"}, {"HYMD", "23/12/31"}, {"UKING", 42}, {"SKING", 0},
                      {"UHIYO", 0}, {"SHIYO", 0}, {"INKING", 0}, {"INSKING", 0}}});
    // Fails the insert that follows the push's delete, and only there: the table is empty
    // only between the two.
    main().execute("CREATE TRIGGER FAIL_PUSH BEFORE INSERT ON HIMAS31 "
                   "WHEN (SELECT COUNT(*) FROM HIMAS31) = 0 BEGIN SELECT RAISE(ABORT, 'injected'); END");
    const Result result = run("99", "24/01");
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.message.contains("injected"));
    EXPECT_EQ(rows("SELECT KCODE, HYMD, UKING FROM HIMAS31"), QStringList{"000001|23/12/31|42"});
    EXPECT_TRUE(rows("SELECT * FROM HITRANM").isEmpty());
}

TEST_F(MonthlyAggregationTest, AnArchiveInTheWorkingCopyIsComputedThereAndNothingIsPushed) {
    seed("HIMAS3", {partner("000001", "99", "2")});
    dir.copyMainToWorkingCopy();
    seedRows(work(), "HITRAN1", {slip(1, "000001", "000001", "20/01/10", 1000)});
    const Result result = run("99", "20/01", /*archive=*/true);
    EXPECT_TRUE(result.ok);
    EXPECT_EQ(result.message, monthlyMessage::archive);
    EXPECT_EQ(rowsOf(work(), "SELECT KCODE, UKING FROM HIMAS31"), QStringList{"000001|1000"});
    EXPECT_TRUE(rows("SELECT * FROM HIMAS31").isEmpty());
    EXPECT_TRUE(rows("SELECT * FROM HITRANM").isEmpty());
}

TEST_F(MonthlyAggregationTest, APartnerWhoseSiteIsNoNumberStopsTheRunNamingIt) {
    seed("HIMAS3", {partner("000001", "99", "2"), partner("000002", "99", "2", "3O")});
    seed("HITRAN1", {slip(1, "000001", "000001", "24/01/10", 1000)});
    const Result result = run("99", "24/01");
    EXPECT_FALSE(result.ok);
    EXPECT_TRUE(result.message.contains("000002")) << result.message.toStdString();
    EXPECT_TRUE(result.message.contains("3O"));
    EXPECT_TRUE(rows("SELECT * FROM HIMAS31").isEmpty());
}

}  // namespace
}  // namespace vantir::test
