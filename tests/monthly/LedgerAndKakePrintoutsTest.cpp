// The ledger reports and the receivable and payable reports printed whole, through the
// print runner, from a small company in the main database.
#include <gtest/gtest.h>

#include "common/printing/PrintError.h"
#include "common/printing/PrintRunner.h"
#include "common/printing/PrintoutRegistry.h"
#include "common/printing/WorkingCopyPrint.h"
#include "monthly/rules/LedgerAndKakePrintouts.h"
#include "platform/report/PageModelDump.h"
#include "support/DataModuleTest.h"
#include "support/FixedToday.h"
#include "support/ReferenceText.h"
#include "support/Seed.h"

namespace vantir::test {
namespace {

SeedRow partner(const char* code, const char* name, const char* sime, const char* simeflg) {
    return {{"KCODE", QString::fromLatin1(code)},
            {"YCODE", QString::fromLatin1(code)},
            {"KNAME", QString::fromUtf8(name)},
            {"SIME", QString::fromLatin1(sime)},
            {"SAIT", "30"},
            {"SIMEFLG", QString::fromLatin1(simeflg)}};
}

struct Slip {
    int code;
    const char* dday;
    const char* kcode;
    const char* kname;
    const char* ycode;
    const char* yname;
    qint64 uking;
    qint64 uhiyo;
    qint64 yking;
    qint64 shiyo;
    const char* hatti = "東京";
    const char* thtti = "大阪";
    const char* biko = "";
};

SeedRow slipRow(const Slip& s) {
    return {{"CODE", QString::number(s.code)},
            {"HYMD", QString::fromLatin1(s.dday)},
            {"DDAY", QString::fromLatin1(s.dday)},
            {"SEKBN", "0"},
            {"KCODE", QString::fromLatin1(s.kcode)},
            {"KNAME", QString::fromUtf8(s.kname)},
            {"YCODE", QString::fromLatin1(s.ycode)},
            {"YNAME", QString::fromUtf8(s.yname)},
            {"HATTI", QString::fromUtf8(s.hatti)},
            {"THTTI", QString::fromUtf8(s.thtti)},
            {"TON", "10"},
            {"SHBAN", QString::number(1000 + s.code)},
            {"UKING", s.uking},
            {"UHIYO", s.uhiyo},
            {"YKING", s.yking},
            {"SKING", s.yking},
            {"SHIYO", s.shiyo},
            {"INKING", 0},
            {"INSKING", 0},
            {"BIKO", QString::fromUtf8(s.biko)}};
}

SeedRow aggregate(const char* code, const char* name) {
    return {{"KCODE", QString::fromLatin1(code)},
            {"YCODE", QString::fromLatin1(code)},
            {"KNAME", QString::fromUtf8(name)},
            {"HYMD", "24/05/31"},
            {"SIME", "99"},
            {"SAIT", "30"}};
}

// May 2024. Customers 000001 (closing day 20) and 000002 (month end) and 000003, who has
// no aggregate row of May; carriers 200001 (settled on the company's closing day) and
// 200002 (on its own closing day 20), 200001 with an aggregate row.
class LedgerAndKakePrintoutsTest : public DataModuleTest {
  protected:
    void SetUp() override {
        Connection& main = dm1.database().connection();
        seedRows(
            main, "HIMAS3",
            {partner("000001", "丸山運送", "20", "0"), partner("000002", "北星物流", "99", "0"),
             partner("000003", "南海商事", "99", "0"), partner("200001", "東和運輸", "20", "1"),
             partner("200002", "南海陸送", "20", "2")});
        const QList<Slip> slips{
            {1, "24/05/02", "000001", "丸山運送", "200001", "東和運輸", 105, 20, 84, 10,
             "東京都千代田区大手町", "ABC横浜市中区山下", "冷凍品・至急・要連絡"},
            {2, "24/05/12", "000001", "丸山運送", "200002", "南海陸送", 105, 0, 50, 0},
            {3, "24/05/25", "000002", "北星物流", "200001", "東和運輸", 2000, 300, 1500, 100},
            {4, "24/05/15", "000003", "南海商事", "200001", "東和運輸", 700, 0, 600, 0},
        };
        QList<SeedRow> rows;
        for (const Slip& s : slips) rows << slipRow(s);
        seedRows(main, "HITRAN1", rows);
        // The ledgers as the aggregation stored them: each side's own amounts only.
        for (SeedRow& row : rows) row["SKING"] = row["SHIYO"] = 0;
        seedRows(main, "HITRANM", rows);
        rows.clear();
        for (const Slip& s : slips) rows << slipRow(s);
        for (SeedRow& row : rows) row["UKING"] = row["UHIYO"] = 0;
        seedRows(main, "HITRANS", rows);
        seedRows(main, "HITRAN2",
                 {{{"CODE", "1"},
                   {"HYMD", "24/05/20"},
                   {"DDAY", "24/05/20"},
                   {"KCODE", "000001"},
                   {"KNAME", QStringLiteral("丸山運送")},
                   {"UKING", 150},
                   {"UHIYO", 0},
                   {"BIKO", QStringLiteral("振込")}}});
        seedRows(main, "HITRAN3",
                 {{{"CODE", "1"},
                   {"HYMD", "24/05/21"},
                   {"DDAY", "24/05/21"},
                   {"YCODE", "200001"},
                   {"YNAME", QStringLiteral("東和運輸")},
                   {"SKING", 1000},
                   {"SHIYO", 0}}});
        seedRows(main, "HIMAS31",
                 {aggregate("000001", "丸山運送"), aggregate("000002", "北星物流"),
                  aggregate("200001", "東和運輸")});
        main.execute(QStringLiteral("UPDATE SHOZEI SET ZEIGAKU = 10 WHERE CODE = 1"));
        appState.EditTen2 = QStringLiteral("本社営業所");
        for (const Printout& printout : ledgerAndKakePrintouts()) registry.add(printout);
    }

    static PrintSelection may(const char* sime, const char* choice = "") {
        PrintSelection selection;
        selection.sime = QString::fromLatin1(sime);
        selection.month = QStringLiteral("24/05");
        selection.from = QStringLiteral("0");
        selection.to = QStringLiteral("999999");
        selection.choice = QString::fromLatin1(choice);
        return selection;
    }
    QString dump(const char* printout, const PrintSelection& selection) {
        return dumpPageModel(runner.layOut(QString::fromLatin1(printout), selection));
    }

    PrintoutRegistry registry;
    PrintRunner runner{registry, {dm1, dm2}};
    FixedToday today{"2024-06-05"};
};

TEST_F(LedgerAndKakePrintoutsTest, EachReportMatchesItsReference) {
    struct Case {
        const char* printout;
        PrintSelection selection;
        const char* reference;
    };
    for (const Case& c : {
             Case{"QR_UriBKM", may("99"), "QR_UriBKM.txt"},
             Case{"QR_UriBK", may("99"), "QR_UriBK.txt"},
             Case{"QR_UriBKS", may("99", "2"), "QR_UriBKS_middle.txt"},
             Case{"QR_SirBKM", may("99"), "QR_SirBKM.txt"},
             Case{"QR_SirBK", may("99"), "QR_SirBK.txt"},
             Case{"QR_SirBKS", may("99", "3"), "QR_SirBKS_last.txt"},
             Case{"QR_KakeUri", may("20"), "QR_KakeUri.txt"},
             Case{"QR_ChkUri", may("20"), "QR_ChkUri.txt"},
             Case{"QR_KakeSir", may("20", "1"), "QR_KakeSir_company.txt"},
             Case{"QR_ChkSir", may("20", "2"), "QR_ChkSir_partner.txt"},
         }) {
        SCOPED_TRACE(c.reference);
        EXPECT_TRUE(matchesReference(dump(c.printout, c.selection), __FILE__,
                                     QString::fromLatin1(c.reference)));
    }
}

// Each partner on a page of its own, and nothing after the last.
TEST_F(LedgerAndKakePrintoutsTest, TheLedgersPutEachPartnerOnItsOwnPageWithNoEmptyPageAfter) {
    const PageModel sales = runner.layOut(QStringLiteral("QR_UriBK"), may("99"));
    ASSERT_EQ(sales.pages.size(), 2);
    const QString dumped = dumpPageModel(sales);
    const QString second = dumped.mid(dumped.indexOf(QStringLiteral("page 2")));
    EXPECT_FALSE(second.contains(QStringLiteral("丸山運送")));
    EXPECT_TRUE(second.contains(QStringLiteral("北星物流")));
    // The customer without an aggregate row of May is not in the ledger at all.
    EXPECT_FALSE(dumped.contains(QStringLiteral("南海商事")));
    EXPECT_EQ(runner.layOut(QStringLiteral("QR_ChkUri"), may("20")).pages.size(), 1);
}

// Two slips of 105 yen at 10 %: 10 + 10 yen of tax, where the sum would give 21.
TEST_F(LedgerAndKakePrintoutsTest, TheListsAddEachSlipsTruncatedTax) {
    const QString list = dump("QR_KakeUri", may("20"));
    EXPECT_TRUE(list.contains(QStringLiteral("\"20\""))) << qPrintable(list);
    EXPECT_FALSE(list.contains(QStringLiteral("\"21\"")));
    EXPECT_TRUE(list.contains(QStringLiteral("\"250\"")));  // 105 + 20 + 10 and 105 + 0 + 10
}

// 16 bytes of Shift_JIS: eight double-byte characters, or three single ones and six
// double (a seventh would end on its first byte); 14 bytes of the remark.
TEST_F(LedgerAndKakePrintoutsTest, TheConfirmationsCutPlacesAndRemarksAtWholeCharacters) {
    const QString letter = dump("QR_ChkUri", may("20"));
    EXPECT_TRUE(letter.contains(QStringLiteral("\"東京都千代田区大\"")));
    EXPECT_TRUE(letter.contains(QStringLiteral("\"ABC横浜市中区山\"")));
    EXPECT_TRUE(letter.contains(QStringLiteral("\"冷凍品・至急・\"")));
    EXPECT_TRUE(letter.contains(QStringLiteral("丸山運送  御中")));
}

TEST_F(LedgerAndKakePrintoutsTest, AMonthWithNothingToPrintIsRefusedWithTheMessage) {
    for (const char* printout : {"QR_UriBKM", "QR_SirBKS", "QR_KakeUri", "QR_ChkSir"}) {
        SCOPED_TRACE(printout);
        PrintSelection selection = may("99", printout[3] == 'C' ? "1" : "0");
        selection.month = QStringLiteral("23/01");
        try {
            runner.layOut(QString::fromLatin1(printout), selection);
            ADD_FAILURE() << "printed a month without rows";
        } catch (const PrintError& refused) {
            EXPECT_EQ(refused.message(), kNoDataMessage);
        }
    }
}

}  // namespace
}  // namespace vantir::test
