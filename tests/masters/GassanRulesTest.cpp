#include <gtest/gtest.h>

#include "masters/rules/GassanRules.h"
#include "platform/dataset/TableDataset.h"
#include "support/DataModuleTest.h"
#include "support/FixedToday.h"
#include "support/Seed.h"

namespace vantir::test {
namespace {

// One partner, 000123 as customer and 000777 as carrier, with monthly rows of both sides
// for two months of closing day 99 and one of closing day 20.
class GassanRulesTest : public DataModuleTest {
  protected:
    void SetUp() override {
        seedRows(
            dm1.database(), "HIMAS3",
            {{{"KCODE", "000123"}, {"YCODE", "000777"}, {"KNAME", "入江運送"}, {"UKING", 900000}},
             {{"KCODE", "000777"}, {"YCODE", "000123"}, {"KNAME", "逆向き商事"}}});
        for (const char* table : {"HIMAS31", "HIMAS32"}) {
            const auto row = [](const char* hymd, qint64 uking) -> SeedRow {
                return {{"KCODE", "000123"}, {"YCODE", "000777"}, {"HYMD", hymd}, {"UKING", uking}};
            };
            seedRows(dm1.database(), table,
                     {row("03/03/31", 100), row("03/04/30", 200), row("03/04/20", 300)});
        }
        dm1.database().connection().execute(
            QStringLiteral("UPDATE S_CONTROL SET VSIM = '20' WHERE CODE = '1'"));
    }
    GassanRules& open(const GassanSide& side) {
        rules.emplace(side, dm1);
        rules->open();
        return *rules;
    }

    std::optional<GassanRules> rules;
    FixedToday today{"2003-05-10"};
};

TEST_F(GassanRulesTest, OpensOnNoRowWithTheControlsClosingDayAndLastMonth) {
    GassanRules& gassan = open(GassanSide::customer());

    EXPECT_TRUE(gassan.monthly().isOpen());
    EXPECT_TRUE(gassan.monthly().isEmpty());
    EXPECT_TRUE(gassan.master().isEmpty());
    EXPECT_EQ(gassan.presetClosingDay(), "20");
    EXPECT_EQ(GassanRules::presetMonth(), "03/04");
}

TEST_F(GassanRulesTest, CodesOfTwoToFiveCharactersArePaddedOthersStayAsTyped) {
    for (const auto& [typed, left] :
         {std::pair{"123", "000123"}, std::pair{"12345", "012345"}, std::pair{"1", "1"},
          std::pair{"123456", "123456"}, std::pair{"", ""}}) {
        EXPECT_EQ(GassanRules::codeLeft(QString::fromLatin1(typed)), QString::fromLatin1(left));
    }
}

TEST_F(GassanRulesTest, AShortCodeOrAMissingMonthIsRefusedWithItsMessage) {
    struct Case {
        const GassanSide* side;
        const char* code;
        const char* sime;
        const char* month;
        const char* message;
    };
    for (const Case& c :
         {Case{&GassanSide::customer(), "1", "99", "03/04", "得意先コードを入力して下さい。"},
          Case{&GassanSide::carrier(), "77", "99", "03/04", "傭車先コードを入力して下さい。"},
          Case{&GassanSide::customer(), "000123", "99", "", "締日又は月度に入力して下さい。"},
          Case{&GassanSide::customer(), "000123", "", "03/04", "締日又は月度に入力して下さい。"}}) {
        SCOPED_TRACE(c.message);
        GassanRules& gassan = open(*c.side);
        const Result refused = gassan.search(
            QString::fromLatin1(c.code), QString::fromLatin1(c.sime), QString::fromLatin1(c.month));
        EXPECT_FALSE(refused.ok);
        EXPECT_EQ(refused.message, QString::fromUtf8(c.message));
        EXPECT_TRUE(gassan.monthly().isEmpty());
    }
}

// Closing day 99 and month 03/04: the row of HYMD 03/04/30, not those of March or of the
// 20th. The carrier screen finds its row, the name and the master row by YCODE.
TEST_F(GassanRulesTest, TheSearchFindsTheMonthsRowAndThePartnersMasterRowBySide) {
    struct Case {
        const GassanSide* side;
        const char* code;
        const char* name;
    };
    for (const Case& c : {Case{&GassanSide::customer(), "000123", "入江運送"},
                          Case{&GassanSide::carrier(), "000777", "入江運送"}}) {
        SCOPED_TRACE(c.code);
        GassanRules& gassan = open(*c.side);
        EXPECT_EQ(gassan.nameOf(QString::fromLatin1(c.code)), QString::fromUtf8(c.name));
        ASSERT_TRUE(gassan.search(QString::fromLatin1(c.code), "99", "03/04"));

        ASSERT_EQ(gassan.monthly().recordCount(), 1);
        EXPECT_EQ(gassan.monthly().text("HYMD"), "03/04/30");
        EXPECT_EQ(gassan.monthly().value("UKING").toLongLong(), 200);
        ASSERT_EQ(gassan.master().recordCount(), 1);
        EXPECT_EQ(gassan.master().text("KCODE"), "000123");
        EXPECT_EQ(gassan.master().value("UKING").toLongLong(), 900000);

        ASSERT_TRUE(gassan.search(QString::fromLatin1(c.code), "20", "03/04"));
        EXPECT_EQ(gassan.monthly().text("HYMD"), "03/04/20");
    }
    EXPECT_EQ(open(GassanSide::carrier()).nameOf("000123"), "逆向き商事");
}

// No row for the month: the monthly fields are empty, and one typed in is written to the
// main database at once and found by the next search.
TEST_F(GassanRulesTest, AMissingMonthlyRowCanBeAddedAndIsStoredAtOnce) {
    GassanRules& gassan = open(GassanSide::customer());
    ASSERT_TRUE(gassan.search("000123", "99", "03/02"));
    EXPECT_TRUE(gassan.monthly().isEmpty());

    gassan.monthly().append();
    for (const auto& [column, value] : {std::pair{"KCODE", "000123"}, std::pair{"HYMD", "03/02/28"},
                                        std::pair{"SIME", "99"}, std::pair{"UKING", "4500"}})
        ASSERT_TRUE(gassan.monthly().setText(QLatin1String(column), QLatin1String(value)).ok);
    ASSERT_TRUE(gassan.monthly().post().ok);

    EXPECT_EQ(rowsOf(dm1.database().connection(),
                     "SELECT KCODE, HYMD, UKING FROM HIMAS31 WHERE HYMD = '03/02/28'"),
              QStringList{"000123|03/02/28|4500"});
    ASSERT_TRUE(gassan.search("000123", "99", "03/02"));
    EXPECT_EQ(gassan.monthly().recordCount(), 1);
}

TEST_F(GassanRulesTest, ClosingLeavesTheSharedViewsClosedAndUnfiltered) {
    GassanRules& gassan = open(GassanSide::carrier());
    ASSERT_TRUE(gassan.search("000777", "99", "03/04"));
    gassan.close();

    for (TableDataset* view : {&gassan.monthly(), &gassan.master()}) {
        EXPECT_FALSE(view->isOpen());
        EXPECT_FALSE(view->isFiltered());
        EXPECT_TRUE(view->filter().isEmpty());
    }
}

}  // namespace
}  // namespace vantir::test
