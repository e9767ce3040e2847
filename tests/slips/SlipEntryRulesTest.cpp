#include <gtest/gtest.h>

#include "platform/dataset/QueryDataset.h"
#include "platform/dataset/TableDataset.h"
#include "slips/rules/SlipEntryRules.h"
#include "support/DataModuleTest.h"
#include "support/QtPrinters.h"
#include "support/ScriptedMessages.h"
#include "support/Seed.h"

namespace vantir::test {
namespace {

// The slip entry's rules over a fresh database holding slips of two days.
class SlipEntryRulesTest : public DataModuleTest {
  protected:
    void SetUp() override {
        appState.EditPName = SlipEntryRules::kModeName;
        seedRows(dm1.database(), "HITRAN1",
                 {{{"HYMD", "03/05/20"}, {"CODE", "1"}},
                  {{"HYMD", "03/05/20"}, {"CODE", "2"}},
                  {{"HYMD", "03/05/21"}, {"CODE", "3"}}});
    }
    SlipEntryRules& opened() {
        rules.open();
        return rules;
    }
    QStringList codes() {
        QStringList shown;
        for (slips().first(); !slips().eof(); slips().next()) shown << slips().text("CODE");
        return shown;
    }
    TableDataset& slips() { return dm1.table("HITRAN1"); }

    ScriptedMessages messages;
    SlipEntryRules rules{dm1, hookTargets, appState, messages};
};

// Leaving the day box: the answers decide whether a pending slip is dropped and whether
// the slips narrow to the new set date; a refused day leaves table and set date alone.
struct DayLeftCase {
    const char* name;
    const char* day;
    bool changePending;
    std::deque<bool> answers;
    const char* setDate;  // afterwards
    QStringList codes;    // the slips shown afterwards
    bool stillPending;
};
void PrintTo(const DayLeftCase& c, std::ostream* os) { *os << c.name; }

class DayLeftTest : public SlipEntryRulesTest, public ::testing::WithParamInterface<DayLeftCase> {};

TEST_P(DayLeftTest, NarrowsTheSlipsOnlyToANewSetDate) {
    const DayLeftCase& c = GetParam();
    opened();
    rules.dayLeft({"03", "05", "21"});
    if (c.changePending) rules.slip().appendSlip();
    messages.answers = c.answers;
    rules.dayLeft({"03", "05", QString::fromUtf8(c.day)});
    EXPECT_EQ(rules.setDate(), QString::fromUtf8(c.setDate));
    EXPECT_EQ(rules.slip().changePending(), c.stillPending);
    if (!c.stillPending) EXPECT_EQ(codes(), c.codes);
}

INSTANTIATE_TEST_SUITE_P(
    SlipEntry, DayLeftTest,
    ::testing::Values(
        DayLeftCase{"NewDay", "20", false, {}, "03/05/20", {"1", "2"}, false},
        DayLeftCase{"OneCharacterDay", "5", false, {}, "03/05/05", {}, false},
        DayLeftCase{"PendingDropped", "20", true, {true}, "03/05/20", {"1", "2"}, false},
        DayLeftCase{"PendingKept", "20", true, {false}, "03/05/21", {}, true},
        DayLeftCase{"Day32Refused", "32", false, {true}, "03/05/21", {"3"}, false},
        DayLeftCase{"Day32Accepted", "32", false, {false}, "03/05/32", {}, false},
        DayLeftCase{"EmptyDayBackToTheBox", "", false, {true}, "03/05/21", {"3"}, false},
        DayLeftCase{"EmptyDayAccepted", "", false, {false}, "03/05/", {}, false},
        DayLeftCase{"NoWholeNumber", "x", false, {}, "03/05/21", {"3"}, false}),
    [](const auto& info) { return std::string(info.param.name); });

// The same day left again reads the slips again: one posted meanwhile under another
// view shows.
TEST_F(SlipEntryRulesTest, SameDayAgainReadsTheSlipsAgain) {
    opened();
    rules.dayLeft({"03", "05", "21"});
    dm1.database().connection().execute(
        QStringLiteral("INSERT INTO HITRAN1 (HYMD, CODE) VALUES ('03/05/21', '4')"));
    rules.dayLeft({"03", "05", "21"});
    EXPECT_EQ(codes(), QStringList({"3", "4"}));
}

// The picked date of the main window fills the boxes and is the set date at once; the
// slips are all shown, on the last one, until the day box is left.
TEST_F(SlipEntryRulesTest, PickedDateFillsTheBoxes) {
    appState.EditDate = QStringLiteral("03/05/20");
    opened();
    EXPECT_EQ(rules.openingBoxes(), (SetDateBoxes{"03", "05", "20"}));
    EXPECT_EQ(rules.setDate(), QStringLiteral("03/05/20"));
    EXPECT_EQ(slips().recordCount(), 3);
    EXPECT_EQ(slips().text("CODE"), QStringLiteral("3"));
}

TEST_F(SlipEntryRulesTest, NoPickedDateLeavesTheBoxesEmpty) {
    appState.EditDate = QStringLiteral("bad");
    opened();
    EXPECT_EQ(rules.openingBoxes(), SetDateBoxes{});
    EXPECT_TRUE(rules.setDate().isEmpty());
}

// The slip search lists the set date's slips, newest number first; the set date goes in
// quoted.
TEST_F(SlipEntryRulesTest, SlipSearchOfTheSetDate) {
    opened();
    rules.dayLeft({"03", "05", "20"});
    rules.prepareSlipSearch();
    EXPECT_EQ(
        dm1.query("Q_HIT1SK").sql(),
        QStringList({"SELECT * FROM HITRAN1", "WHERE HYMD = '03/05/20'", "ORDER BY CODE DESC"}));
}

// The record hooks switch the command keys while the mode is NippoInp, and not under
// another mode.
TEST_F(SlipEntryRulesTest, HooksFollowTheSlipState) {
    opened();
    QList<bool> seen;
    rules.slipEditingChanged.connect([&seen](bool editing) { seen << editing; });
    rules.slip().appendSlip();
    rules.slip().cancelSlip();
    slips().edit();
    slips().setValue("BIKO", QStringLiteral("x"));
    ASSERT_TRUE(rules.slip().registerSlip());
    EXPECT_EQ(seen, QList<bool>({true, false, true, false}));

    appState.EditPName = QStringLiteral("RepNippo");
    rules.slip().appendSlip();
    EXPECT_EQ(seen.size(), 4);
}

// Closing the view drops the set-date filter, so the next user of the shared slips sees
// them all.
TEST_F(SlipEntryRulesTest, CloseDropsTheFilter) {
    opened();
    rules.dayLeft({"03", "05", "20"});
    rules.close();
    EXPECT_FALSE(slips().isFiltered());
    EXPECT_TRUE(slips().filter().isEmpty());
}

}  // namespace
}  // namespace vantir::test
