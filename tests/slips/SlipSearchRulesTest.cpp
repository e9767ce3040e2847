#include <gtest/gtest.h>

#include "platform/dataset/QueryDataset.h"
#include "platform/dataset/TableDataset.h"
#include "slips/rules/SlipSearchRules.h"
#include "support/DataModuleTest.h"
#include "support/Seed.h"

namespace vantir::test {
namespace {

// Two slips of the set day and one of the next, the slip table showing the set day as the
// slip entry leaves it when it calls the search.
class SlipSearchRulesTest : public DataModuleTest {
  protected:
    void SetUp() override {
        seedRows(dm1.database(), "HITRAN1",
                 {{{"CODE", "10"}, {"HYMD", "03/05/20"}, {"KNAME", "丸山運送"}},
                  {{"CODE", "11"}, {"HYMD", "03/05/20"}, {"KNAME", "北斗物流"}},
                  {{"CODE", "12"}, {"HYMD", "03/05/21"}, {"KNAME", "丸山運送"}}});
        slips.setFilter(QStringLiteral("HYMD = '03/05/20'"));
        slips.setFiltered(true);
        slips.open();
        search.query().setSql(
            {"SELECT * FROM HITRAN1", "WHERE HYMD = '03/05/20'", "ORDER BY CODE DESC"});
        search.open();
    }

    QStringList shownSlips() {
        QStringList codes;
        for (slips.first(); !slips.eof(); slips.next()) codes << slips.text("CODE");
        return codes;
    }

    TableDataset& slips = dm1.table(QStringLiteral("HITRAN1"));
    SlipSearchRules search{dm1};
};

// "確定" narrows the slip table to the chosen slip in place of the day.
TEST_F(SlipSearchRulesTest, ConfirmingNarrowsTheSlipTableToTheSlip) {
    EXPECT_EQ(search.currentCode(), "11");
    search.query().next();
    search.confirm();
    EXPECT_EQ(slips.filter(), "CODE = '10'");
    EXPECT_TRUE(slips.isFiltered());
    EXPECT_EQ(shownSlips(), QStringList{"10"});
}

// An empty list hands back an empty number: the slip table then shows no slip.
TEST_F(SlipSearchRulesTest, AnEmptyListShowsNoSlip) {
    search.query().setSql({"SELECT * FROM HITRAN1", "WHERE HYMD = '03/05/22'"});
    search.open();
    EXPECT_EQ(search.currentCode(), "");
    search.confirm();
    EXPECT_EQ(slips.filter(), "CODE = ''");
    EXPECT_EQ(shownSlips(), QStringList{});
}

// A slip being changed on the entry screen is posted before the table is narrowed.
TEST_F(SlipSearchRulesTest, APendingChangeIsPostedFirst) {
    slips.first();
    slips.setValue(QStringLiteral("SHBAN"), QStringLiteral("1234"));
    search.confirm();
    EXPECT_EQ(slips.state(), DatasetState::Browse);
    EXPECT_EQ(rowsOf(dm1.database().connection(), "SELECT SHBAN FROM HITRAN1 WHERE CODE = '10'"),
              QStringList{"1234"});
    EXPECT_EQ(shownSlips(), QStringList{"11"});
}

}  // namespace
}  // namespace vantir::test
