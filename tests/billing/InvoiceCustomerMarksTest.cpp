#include <gtest/gtest.h>

#include "InvoiceFixture.h"
#include "billing/rules/InvoiceCustomerMarks.h"
#include "billing/rules/LiteralInvoiceCustomerMarks.h"
#include "billing/rules/SlipHousekeeping.h"
#include "support/QtPrinters.h"

namespace vantir::test {
namespace {

// Customers of closing day 20 whose slips of 24/01/21 to 24/02/20 differ in the ways the
// marks tell apart, and partners of another closing day.
class InvoiceCustomerMarksTest : public InvoiceFixture {
  protected:
    void SetUp() override {
        InvoiceFixture::SetUp();
        seedRows(
            dm1.database(), "HIMAS3",
            {customer("000001", "売上あり", "20"), customer("000002", "期間外のみ", "20"),
             customer("000003", "差引ゼロ", "20"), customer("000004", "売上なし費用のみ", "20"),
             customer("000005", "費用未入力", "20"), customer("000006", "四桁の年", "20"),
             customer("000007", "日付でない", "20"), customer("000008", "伝票なし", "20"),
             customer("000009", "他の締日", "99"),
             // The code of 000001 held a second time under another closing day.
             customer("000001", "重複", "99")});
        seedRows(
            dm1.database(), "HITRAN1",
            {slip(1, "24/01/21", "000001", 100), slip(2, "24/01/20", "000002", 5000),
             slip(3, "24/02/21", "000002", 5000), slip(4, "24/02/01", "000003", 100),
             slip(5, "24/02/02", "000003", -100), slip(6, "24/02/03", "000004", QVariant(), 300),
             slip(7, "24/02/04", "000005", 500, QVariant()), slip(8, "2024/02/05", "000006", 700),
             slip(9, "24/02/1x", "000007", 900), slip(10, "24/02/10", "000009", 800)});
    }

    QStringList marks() {
        return rows("SELECT KCODE, SIME, URI_FLG FROM HIMAS3 WHERE URI_FLG <> 0 ORDER BY rowid");
    }

    QStringList setBased(MarkComparison comparison) {
        Connection& connection = dm1.database().connection();
        InvoiceCustomerMarks::clear(connection);
        InvoiceCustomerMarks::markWithSales(connection, QStringLiteral("20"), february(),
                                            comparison);
        return marks();
    }

    QStringList literal(MarkComparison comparison) {
        InvoiceCustomerMarks::clear(dm1.database().connection());
        LiteralInvoiceCustomerMarks::markWithSales(dm1, QStringLiteral("20"), february(),
                                                   comparison);
        return marks();
    }
};

TEST_F(InvoiceCustomerMarksTest, OneStatementMarksWhatThePerCustomerStatementsMark) {
    struct Case {
        const char* name;
        MarkComparison comparison;
        QStringList marked;
    };
    const Case cases[] = {
        // Dates: a four-digit year is a date too, a text that is no date is none; an empty
        // UKING or UHIYO empties the slip's sum.
        {"検索", MarkComparison::Date, {"000001|20|100", "000006|20|100", "000001|99|100"}},
        // Texts: "24/02/1x" lies between the bounds; sales without costs entered count.
        {"再表示",
         MarkComparison::Text,
         {"000001|20|100", "000004|20|100", "000005|20|100", "000007|20|100", "000001|99|100"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(setBased(c.comparison), c.marked);
        EXPECT_EQ(literal(c.comparison), c.marked);
    }
}

TEST_F(InvoiceCustomerMarksTest, ClearingUnmarksEveryPartner) {
    setBased(MarkComparison::Text);
    execute("UPDATE HIMAS3 SET URI_FLG = NULL WHERE KCODE = '000008'");

    InvoiceCustomerMarks::clear(dm1.database().connection());

    EXPECT_EQ(rows("SELECT DISTINCT URI_FLG FROM HIMAS3"), QStringList{"0"});
}

TEST_F(InvoiceCustomerMarksTest, HousekeepingZeroesEmptyCostsAndFillsStaffNames) {
    seedRows(dm1.database(), "HIMAS2",
             {{{"TANCOD", "01"}, {"TANMEI", "佐藤"}}, {{"TANCOD", "02"}, {"TANMEI", "鈴木"}}});
    execute("UPDATE HITRAN1 SET TANCOD = '01', TANMEI = NULL WHERE CODE = '7'");
    execute("UPDATE HITRAN1 SET TANCOD = '01', TANMEI = '' WHERE CODE = '6'");
    execute("UPDATE HITRAN1 SET TANCOD = '02', TANMEI = '山田' WHERE CODE = '5'");

    SlipHousekeeping::run(dm1.database().connection());

    EXPECT_EQ(rows("SELECT CODE, UHIYO, SHIYO, TANMEI FROM HITRAN1 WHERE CODE IN ('5','6','7') "
                   "ORDER BY CODE"),
              (QStringList{"5|0|0|山田", "6|300|0|佐藤", "7|0|0|佐藤"}));
    // After it, "検索" counts the customer whose costs were never entered.
    EXPECT_EQ(setBased(MarkComparison::Date),
              (QStringList{"000001|20|100", "000005|20|100", "000006|20|100", "000001|99|100"}));
}

TEST_F(InvoiceCustomerMarksTest, ACustomerWithoutACodeDoesNotCostTheLastCustomerItsMark) {
    // The count of codes leaves out the customer without one, while the list holds it
    // first: walking that many rows, the per-customer statements never reach the last.
    seedRows(dm1.database(), "HIMAS3", {customer("000099", "最後の得意先", "20")});
    execute("INSERT INTO HIMAS3 (KNAME, SIME, URI_FLG) VALUES ('コードなし', '20', 0)");
    seedRows(dm1.database(), "HITRAN1", {slip(11, "24/02/15", "000099", 1000)});

    EXPECT_TRUE(setBased(MarkComparison::Date).contains(QStringLiteral("000099|20|100")));
    EXPECT_FALSE(literal(MarkComparison::Date).contains(QStringLiteral("000099|20|100")));
}

}  // namespace
}  // namespace vantir::test
