#include <gtest/gtest.h>

#include "InvoiceFixture.h"
#include "billing/rules/InvoiceRun.h"
#include "support/QtPrinters.h"

namespace vantir::test {
namespace {

class InvoiceRunTest : public InvoiceFixture {
  protected:
    void SetUp() override {
        InvoiceFixture::SetUp();
        seedRows(dm1.database(), "HIMAS3",
                 {customer("000012", "丸山運送", "20"), customer("000013", "O'Hara商事", "20")});
        seedRows(dm1.database(), "HITRAN1",
                 {slip(1, "24/01/21", "000012", 100000, 500), slip(2, "24/02/20", "000012", 23457),
                  slip(3, "24/01/20", "000012", 999),  // the day before the period
                  slip(4, "24/02/21", "000012", 999),  // the day after
                  slip(5, "24/02/01", "000013", 777)});
    }

    Result print(const char* code = "000012", const char* name = "丸山運送") {
        return run.print(QString::fromLatin1(code), QString::fromUtf8(name), february());
    }

    InvoiceRun run{dm1};
    static constexpr const char* kHeader =
        "SELECT KCODE, KNAME, DDAY, HYMD, THYMD, UKING, UHIYO, SHOZEI, SKING, ZKING, GKING, CODE, "
        "YKING, INKING FROM ";
    QStringList headerRows(const char* table) {
        const QByteArray sql = QByteArray(kHeader) + table + " ORDER BY KCODE";
        return rows(sql.constData());
    }
};

TEST_F(InvoiceRunTest, CopiesThePeriodsSlipsAndBuildsTheHeaderWithTaxCutTowardZero) {
    ASSERT_TRUE(print());

    EXPECT_EQ(rows("SELECT CODE, DDAY, KCODE, UKING, UHIYO FROM WK_SEIKYU ORDER BY CODE"),
              (QStringList{"1|24/01/21|000012|100000|500", "2|24/02/20|000012|23457|0"}));
    // 123,457 at 5 % is 6,172.85: the run keeps 6,172; costs carry no tax.
    const QStringList header{
        "000012|丸山運送|24/01/21|24/01/21|24/02/20|123457|500|5|<null>|6172|130129|<null>|"
        "<null>|<null>"};
    EXPECT_EQ(headerRows("WK_SEK_HED"), header);
    EXPECT_EQ(headerRows("HITRANM"), header);
}

TEST_F(InvoiceRunTest, ACustomerWithoutSlipsGetsAHeaderOfZeros) {
    ASSERT_TRUE(run.print(QStringLiteral("000012"), QStringLiteral("丸山運送"),
                          {QStringLiteral("23/01/21"), QStringLiteral("23/02/20")}));

    EXPECT_TRUE(rows("SELECT * FROM WK_SEIKYU").isEmpty());
    EXPECT_EQ(rows("SELECT UKING, UHIYO, ZKING, GKING FROM WK_SEK_HED"), QStringList{"0|0|0|0"});
    EXPECT_EQ(rows("SELECT COUNT(*) FROM HITRANM"), QStringList{"1"});
}

TEST_F(InvoiceRunTest, PrintingAgainLeavesOneHeaderAndKeepsTheLedgerLinesOfThatPeriodEnd) {
    seedRows(dm1.database(), "HITRANM",
             {{{"CODE", "15"},
               {"KCODE", "000012"},
               {"THYMD", "24/02/20"},
               {"UKING", 4000},
               {"ZKING", 200}},
              // Another customer's header of the same period end.
              {{"KCODE", "000013"}, {"THYMD", "24/02/20"}, {"CODE", ""}, {"UKING", 777}}});
    ASSERT_TRUE(print());
    ASSERT_TRUE(print());
    ASSERT_TRUE(run.applyDiscount(QStringLiteral("000012"), february(), 0));

    EXPECT_EQ(
        rows("SELECT KCODE, CODE, UKING, ZKING FROM HITRANM ORDER BY KCODE, CODE"),
        (QStringList{"000012|<null>|123457|6173", "000012|15|4000|200", "000013||777|<null>"}));
}

TEST_F(InvoiceRunTest, ANameWithAQuoteReachesTheHeaderIntact) {
    ASSERT_TRUE(print("000013", "O'Hara商事"));

    EXPECT_EQ(rows("SELECT KNAME, UKING FROM WK_SEK_HED"), QStringList{"O'Hara商事|777"});
    EXPECT_EQ(rows("SELECT KNAME FROM HITRANM"), QStringList{"O'Hara商事"});
}

TEST_F(InvoiceRunTest, WithoutACustomerNothingChanges) {
    ASSERT_TRUE(print());
    const QStringList before = headerRows("WK_SEK_HED");

    const Result refused = print("", "");

    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.message, QStringLiteral("印刷する得意先を選択して下さい。"));
    EXPECT_EQ(headerRows("WK_SEK_HED"), before);
    EXPECT_EQ(rows("SELECT COUNT(*) FROM WK_SEIKYU"), QStringList{"2"});
}

TEST_F(InvoiceRunTest, AFailureHalfWayLeavesTheTablesAsTheyWere) {
    ASSERT_TRUE(print());
    // A sales ledger that cannot take the header: the append is the run's last step.
    execute("ALTER TABLE HITRANM RENAME TO HITRANM_AWAY");
    execute("CREATE TABLE HITRANM (KCODE VARCHAR(6), THYMD VARCHAR(8), CODE VARCHAR(6))");

    EXPECT_ANY_THROW(print("000013", "O'Hara商事"));

    EXPECT_EQ(rows("SELECT KCODE FROM WK_SEK_HED"), QStringList{"000012"});
    EXPECT_EQ(rows("SELECT COUNT(*) FROM WK_SEIKYU"), QStringList{"2"});
}

TEST_F(InvoiceRunTest, TheDiscountRecomputesTaxAndTotalInBothTables) {
    struct Case {
        qint64 sales;
        qint64 discount;
        const char* expected;  // SKING|ZKING|GKING
    };
    for (const Case& c : {Case{123457, 0, "0|6173|129630"},  // 6,172.85 -> 6,173
                          Case{1030, 1000, "1000|2|32"},     // tax on 30 yen: 1.5 -> 2
                          Case{1010, 1000, "1000|0|10"}}) {  // tax on 10 yen: 0.5 -> 0
        SCOPED_TRACE(c.sales);
        execute("DELETE FROM HITRAN1");
        seedRows(dm1.database(), "HITRAN1", {slip(1, "24/02/01", "000012", c.sales)});
        ASSERT_TRUE(print());

        ASSERT_TRUE(run.applyDiscount(QStringLiteral("000012"), february(), c.discount));

        EXPECT_EQ(rows("SELECT SKING, ZKING, GKING FROM WK_SEK_HED"), QStringList{c.expected});
        EXPECT_EQ(rows("SELECT SKING, ZKING, GKING FROM HITRANM"), QStringList{c.expected});
    }
}

TEST_F(InvoiceRunTest, ANegativeDiscountChangesNothing) {
    ASSERT_TRUE(print());

    EXPECT_FALSE(run.applyDiscount(QStringLiteral("000012"), february(), -1));
    EXPECT_EQ(rows("SELECT SKING, ZKING FROM WK_SEK_HED"), QStringList{"<null>|6172"});
}

TEST_F(InvoiceRunTest, TheDiscountRateGivesAnAmountRoundedAwayFromZero) {
    execute("DELETE FROM HITRAN1");
    seedRows(dm1.database(), "HITRAN1", {slip(1, "24/02/01", "000012", 12345)});
    ASSERT_TRUE(print());

    EXPECT_EQ(run.discountForRate(QStringLiteral("000012"), february(), 10), 1235);
    EXPECT_EQ(run.discountForRate(QStringLiteral("000012"), february(), 0), std::nullopt);
    EXPECT_EQ(run.discountForRate(QStringLiteral("000012"), february(), -5), std::nullopt);
}

}  // namespace
}  // namespace vantir::test
