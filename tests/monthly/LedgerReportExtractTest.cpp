#include <gtest/gtest.h>

#include "common/printing/PrintError.h"
#include "common/printing/WorkingCopyPrint.h"
#include "monthly/rules/LedgerReport.h"
#include "monthly/rules/LedgerReportExtract.h"
#include "monthly/rules/MonthlyReportRun.h"
#include "monthly/rules/MonthlyWorkTables.h"
#include "platform/dataset/Dataset.h"
#include "support/DataModuleTest.h"
#include "support/Seed.h"

namespace vantir::test {
namespace {

SeedRow slip(int code, const char* dday, const char* kcode, const char* ycode, qint64 uking,
             qint64 sking) {
    return {{"CODE", QString::number(code)},
            {"HYMD", QString::fromLatin1(dday)},
            {"DDAY", QString::fromLatin1(dday)},
            {"KCODE", QString::fromLatin1(kcode)},
            {"KNAME", QStringLiteral("得意先")},
            {"YCODE", QString::fromLatin1(ycode)},
            {"YNAME", QStringLiteral("傭車先")},
            {"UKING", uking},
            {"UHIYO", 100},
            {"SKING", sking},
            {"SHIYO", 50},
            {"YKING", sking}};
}

// A receipt or payment: its amount is UKING (received) or SKING (paid).
SeedRow cash(int code, const char* dday, const char* partner, const char* amountColumn,
             qint64 amount) {
    return {{"CODE", QString::number(code)},
            {"HYMD", QString::fromLatin1(dday)},
            {"DDAY", QString::fromLatin1(dday)},
            {"KCODE", QString::fromLatin1(partner)},
            {"YCODE", QString::fromLatin1(partner)},
            {QString::fromLatin1(amountColumn), amount},
            {"UHIYO", 0},
            {"SHIYO", 0}};
}

// The monthly aggregate row of a partner for the month ending on hymd.
SeedRow aggregate(const char* kcode, const char* hymd) {
    return {{"KCODE", QString::fromLatin1(kcode)},
            {"YCODE", QString::fromLatin1(kcode)},
            {"HYMD", QString::fromLatin1(hymd)},
            {"SIME", "99"},
            {"SAIT", "30"},
            {"URIZAN", 1}};
}

// May 2024, closing day 99, in the working copy: customers 000001 and 000002 have slips,
// only 000001 and the carrier 000009 have an aggregate row of May.
class LedgerReportExtractTest : public DataModuleTest {
  protected:
    void SetUp() override {
        Connection& work = dm2.database().connection();
        seedRows(work, "HITRAN1",
                 {slip(1, "24/05/03", "000001", "000009", 1000, 800),
                  slip(2, "24/05/15", "000002", "000009", 2000, 1500),
                  slip(3, "24/05/25", "000001", "000008", 3000, 2500),
                  slip(4, "24/04/30", "000001", "000009", 9000, 9000)});
        seedRows(work, "HITRAN2", {cash(1, "24/05/20", "000001", "UKING", 700)});
        seedRows(work, "HITRAN3", {cash(1, "24/05/21", "000009", "SKING", 600)});
        seedRows(work, "HIMAS31",
                 {aggregate("000001", "24/05/31"), aggregate("000009", "24/05/31"),
                  aggregate("000002", "24/04/30")});
    }

    // The list's rows: partner, DDAY, CODE, the three amounts of the line and the rate.
    QStringList listed(const char* report, const char* choice = "0", QString from = "0",
                       QString to = "999999") {
        const LedgerReport& ledger = *LedgerReport::find(QString::fromLatin1(report));
        const LedgerReportSide& side = *ledger.side;
        MonthlyReportRun run;
        run.values.start = QStringLiteral("24/05/01");
        run.values.end = QStringLiteral("24/05/31");
        run.values.taxRate = 10;
        run.from = from;
        run.to = to;
        run.choice = QString::fromLatin1(choice);
        MonthlyWorkTables tables(dm2);
        Dataset& list = extractLedgerReport(tables, ledger, run);
        QStringList rows;
        for (list.first(); !list.eof(); list.next()) {
            rows << QStringList{list.text(side.code), list.text("DDAY"),
                                list.text("CODE"),    list.text(side.amount),
                                list.text(side.cost), list.text(side.cashAmount),
                                list.text("SHOZEI")}
                        .join(u'|');
        }
        return rows;
    }
};

TEST_F(LedgerReportExtractTest, SlipsOfACustomerWithoutAnAggregateRowOfTheMonthAreLeftOut) {
    // 000002 has a row of April only; receipts come in with their amount, slips lose
    // their purchase side, every slip row carries the tax rate.
    EXPECT_EQ(listed("QR_UriBK"),
              (QStringList{"000001|24/05/03|1|1000|100|0|10", "000001|24/05/20|1|||700|",
                           "000001|24/05/25|3|3000|100|0|10"}));
}

TEST_F(LedgerReportExtractTest, ThePurchaseSideJoinsByCarrierAndAddsThePaymentsAmounts) {
    EXPECT_EQ(listed("QR_SirBK"),
              (QStringList{"000009|24/05/03|1|800|50|0|10", "000009|24/05/15|2|1500|50|0|10",
                           "000009|24/05/21|1|||600|"}));
}

TEST_F(LedgerReportExtractTest, TheStoredLedgersReceiptRowsAreClearedAndEveryReceiptAddedAgain) {
    // The aggregation stored a slip and the receipt in the ledger.
    SeedRow stored = cash(1, "24/05/20", "000001", "SKING", 700);
    stored["KNAME"] = QStringLiteral("得意先");
    seedRows(dm2.database().connection(), "HITRANM",
             {slip(1, "24/05/03", "000001", "000009", 1000, 0), stored});
    QStringList rows = listed("QR_UriBKM");
    rows.sort();  // the two rows of the receipt share day and number
    EXPECT_EQ(rows, (QStringList{"000001|24/05/03|1|1000|100|0|10", "000001|24/05/20|1||0|0|10",
                                 "000001|24/05/20|1|||700|"}));
}

TEST_F(LedgerReportExtractTest, ThePartOfTheMonthNarrowsSlipsAndReceiptsButNotTheAggregates) {
    // The 11th to the 20th of May.
    EXPECT_EQ(listed("QR_UriBKS", "2"), (QStringList{"000001|24/05/20|1|||700|"}));
    EXPECT_EQ(listed("QR_UriBKS", "1"), (QStringList{"000001|24/05/03|1|1000|100|0|10"}));
    // The ledgers without a part of the month take the whole whatever the choice says.
    EXPECT_EQ(listed("QR_UriBK", "2").size(), 3);
    EXPECT_THROW(listed("QR_UriBKS", "4"), PrintError);
}

TEST_F(LedgerReportExtractTest, CodesCompareAsTextAndAQuoteStaysInItsLiteral) {
    seedRows(dm2.database().connection(), "HITRAN1", {slip(5, "24/05/04", "10", "000009", 5, 5)});
    seedRows(dm2.database().connection(), "HIMAS31", {aggregate("10", "24/05/31")});
    EXPECT_EQ(listed("QR_UriBK", "0", "1", "2"), (QStringList{"10|24/05/04|5|5|100|0|10"}));
    try {
        listed("QR_UriBK", "0", "0' OR '1'='1", "0' OR '1'='1");
        ADD_FAILURE() << "a range without partners prints nothing";
    } catch (const PrintError& refused) {
        EXPECT_EQ(refused.message(), kNoDataMessage);
    }
}

}  // namespace
}  // namespace vantir::test
