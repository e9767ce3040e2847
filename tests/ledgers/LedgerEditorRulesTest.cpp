#include <gtest/gtest.h>

#include "LedgerLines.h"
#include "ledgers/rules/LedgerEditorRules.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/dataset/TableDataset.h"
#include "support/DataModuleTest.h"
#include "support/FixedToday.h"
#include "support/Seed.h"

namespace vantir::test {
namespace {

// The four editors over the lines of LedgerLines.h; today is 10 April 2024, so the
// editors open on month 24/03 with the control's closing day 20.
class LedgerEditorRulesTest : public DataModuleTest {
  protected:
    void SetUp() override { seedLedgerLines(dm1.database()); }

    LedgerEditorRules& open(const LedgerEditorDescription& description) {
        rules.reset();
        rules.emplace(description, dm1);
        rules->open();
        return *rules;
    }
    // The dates of the lines shown, in their order; empty while the ledger is closed.
    QStringList shownDays() const {
        QStringList days;
        TableDataset& ledger = rules->ledger();
        if (!ledger.isOpen()) return days;
        for (ledger.first(); !ledger.eof(); ledger.next()) days << ledger.text("DDAY");
        ledger.first();
        return days;
    }
    QString currentPartner() const {
        return rules->partners().text(rules->description().partnerColumn);
    }

    std::optional<LedgerEditorRules> rules;
    FixedToday today{"2024-04-10"};
    const LedgerSelection march{"20", "24/03", ""};
};

TEST_F(LedgerEditorRulesTest, OpensOnTheControlsClosingDayLastMonthAndTheFirstPartner) {
    LedgerEditorRules& editor = open(LedgerEditorDescription::sales());
    const LedgerSelection opening = editor.opening();
    EXPECT_EQ(opening.closingDay, "20");
    EXPECT_EQ(opening.month, "24/03");
    EXPECT_EQ(currentPartner(), "000001");
    EXPECT_FALSE(editor.ledger().isOpen()) << "no lines before the first partner change";
    EXPECT_EQ(editor.totals(), (QList<qint64>{0, 0, 0, 0}));
}

// Each editor shows the partner's lines on both bounds of 24/02/21..24/03/20, found by its
// side's code, and sums its own columns; the payments are summed by what the payment
// entry stores, SKING and SHIYO.
TEST_F(LedgerEditorRulesTest, EachEditorShowsThePeriodsLinesOfItsSideWithItsTotals) {
    struct Case {
        const LedgerEditorDescription* description;
        const char* partner;
        QList<qint64> totals;
    };
    for (const Case& c : {Case{&LedgerEditorDescription::sales(), "000001", {3000, 30, 1500, 3}},
                          Case{&LedgerEditorDescription::purchases(), "000011", {3000, 30, 1500, 3}},
                          Case{&LedgerEditorDescription::receipts(), "000001", {3000, 30}},
                          Case{&LedgerEditorDescription::payments(), "000011", {300, 3}}}) {
        SCOPED_TRACE(c.description->modeName.toStdString());
        LedgerEditorRules& editor = open(*c.description);
        ASSERT_TRUE(editor.partnerChanged(march));
        EXPECT_EQ(currentPartner(), QString::fromLatin1(c.partner));
        EXPECT_EQ(shownDays(), (QStringList{"24/02/21", "24/03/20"}));
        EXPECT_EQ(editor.totals(), c.totals);
        EXPECT_EQ(editor.hint(), "");
    }
}

TEST_F(LedgerEditorRulesTest, ClosingDay31InAprilSelectsAprilsLinesAsText) {
    seedRows(dm1.database(), "HITRANM",
             {{{"KCODE", "000001"}, {"DDAY", "24/04/01"}, {"UKING", 7}},
              {{"KCODE", "000001"}, {"DDAY", "24/04/30"}, {"UKING", 8}}});
    LedgerEditorRules& editor = open(LedgerEditorDescription::sales());
    ASSERT_TRUE(editor.partnerChanged({"31", "24/04", ""}));
    EXPECT_EQ(shownDays(), (QStringList{"24/04/01", "24/04/30"}));
    EXPECT_EQ(editor.totals().first(), 15);
}

TEST_F(LedgerEditorRulesTest, APartnerWithoutLinesEmptiesTheGridWithZeroTotalsAndTheHint) {
    LedgerEditorRules& editor = open(LedgerEditorDescription::payments());
    ASSERT_TRUE(editor.partnerChanged(march));
    editor.partners().next();
    ASSERT_TRUE(editor.partnerChanged(march));

    EXPECT_EQ(currentPartner(), "000012");
    EXPECT_FALSE(editor.ledger().isOpen());
    EXPECT_EQ(editor.totals(), (QList<qint64>{0, 0}));
    EXPECT_EQ(editor.hint(), "該当するデータがありません。");

    editor.partners().next();
    ASSERT_TRUE(editor.partnerChanged(march));
    EXPECT_EQ(shownDays(), QStringList{"24/03/01"});
    EXPECT_EQ(editor.hint(), "") << "the hint goes with the next lines";
}

// A refused selection keeps what was shown: lines, totals and hint.
TEST_F(LedgerEditorRulesTest, AWrongClosingDayOrAnEmptyBoxIsRefusedAndChangesNothing) {
    struct Case {
        LedgerSelection selection;
        const char* message;
    };
    for (const Case& c : {Case{{"45", "24/03", ""}, "締日が違っています。"},
                          Case{{"0", "24/03", "000003"}, "締日が違っています。"},
                          Case{{"", "24/03", ""}, "締日又は月度に入力して下さい。"},
                          Case{{"20", "", "000003"}, "締日又は月度に入力して下さい。"}}) {
        SCOPED_TRACE(c.message);
        LedgerEditorRules& editor = open(LedgerEditorDescription::sales());
        ASSERT_TRUE(editor.partnerChanged(march));
        for (const Result& refused : {editor.partnerChanged(c.selection),
                                      editor.selectAndDisplay(c.selection),
                                      editor.monthLeft(c.selection)}) {
            EXPECT_FALSE(refused);
            EXPECT_EQ(refused.message, QString::fromUtf8(c.message));
        }
        EXPECT_EQ(currentPartner(), "000001");
        EXPECT_EQ(shownDays(), (QStringList{"24/02/21", "24/03/20"}));
        EXPECT_EQ(editor.totals().first(), 3000);
    }
}

TEST_F(LedgerEditorRulesTest, TheDirectJumpMovesThePartnerListAndShowsThatPartnersLines) {
    for (const LedgerEditorDescription* description : LedgerEditorDescription::all()) {
        SCOPED_TRACE(description->modeName.toStdString());
        LedgerEditorRules& editor = open(*description);
        ASSERT_TRUE(editor.partnerChanged(march));
        const QString code = description->partnerColumn == u"KCODE" ? "000003" : "000013";
        ASSERT_TRUE(editor.selectAndDisplay({"20", "24/03", code}));

        EXPECT_EQ(currentPartner(), code);
        EXPECT_EQ(editor.partners().text("KNAME"), "丙物流");
        EXPECT_EQ(shownDays(), QStringList{"24/03/01"});
        EXPECT_EQ(editor.hint(), "");
    }
}

// A code no partner has: the list stays, the hint says so, and the grid and the totals
// show what that code has, here nothing.
TEST_F(LedgerEditorRulesTest, ADirectJumpToNoPartnerKeepsTheListAndTellsTheHint) {
    LedgerEditorRules& editor = open(LedgerEditorDescription::sales());
    ASSERT_TRUE(editor.partnerChanged(march));
    for (const char* code : {"000009", ""}) {
        SCOPED_TRACE(code);
        ASSERT_TRUE(editor.selectAndDisplay({"20", "24/03", QString::fromLatin1(code)}));
        EXPECT_EQ(currentPartner(), "000001");
        EXPECT_FALSE(editor.ledger().isOpen());
        EXPECT_EQ(editor.totals(), (QList<qint64>{0, 0, 0, 0}));
        EXPECT_EQ(editor.hint(), "該当するデータがありません。");
    }
}

// Leaving the month box reselects the current partner for the new month, or jumps to the
// typed code.
TEST_F(LedgerEditorRulesTest, LeavingTheMonthBoxReselectsTheCurrentOrTheTypedPartner) {
    LedgerEditorRules& editor = open(LedgerEditorDescription::receipts());
    ASSERT_TRUE(editor.partnerChanged(march));
    ASSERT_TRUE(editor.monthLeft({"20", "24/02", ""}));
    EXPECT_EQ(currentPartner(), "000001");
    EXPECT_EQ(shownDays(), QStringList{"24/02/20"});
    EXPECT_EQ(editor.totals(), (QList<qint64>{90000, 900}));

    ASSERT_TRUE(editor.monthLeft({"20", "24/03", "000003"}));
    EXPECT_EQ(currentPartner(), "000003");
    EXPECT_EQ(shownDays(), QStringList{"24/03/01"});
}

// The totals are those of the lines in the grid after every post and delete.
TEST_F(LedgerEditorRulesTest, TheTotalsFollowAnEditAndADelete) {
    for (const LedgerEditorDescription* description :
         {&LedgerEditorDescription::sales(), &LedgerEditorDescription::payments()}) {
        SCOPED_TRACE(description->modeName.toStdString());
        LedgerEditorRules& editor = open(*description);
        int changes = 0;
        editor.shownChanged.connect([&changes] { ++changes; });
        ASSERT_TRUE(editor.partnerChanged(march));
        TableDataset& ledger = editor.ledger();
        const QString amount = description->totals.first();
        const qint64 before = editor.totals().first();

        ledger.first();
        const qint64 firstLine = ledger.value(amount).toLongLong();
        ASSERT_TRUE(ledger.setText(amount, QStringLiteral("%1").arg(firstLine + 5000)));
        ASSERT_TRUE(ledger.post());
        EXPECT_EQ(editor.totals().first(), before + 5000);

        ledger.first();
        ASSERT_TRUE(ledger.remove());
        EXPECT_EQ(editor.totals().first(), before - firstLine);
        EXPECT_EQ(shownDays().size(), 1);
        EXPECT_EQ(changes, 3);
    }
}

// Whatever text another screen left in the shared list, the editor lists every partner;
// closing gives the ledger back closed and unfiltered.
TEST_F(LedgerEditorRulesTest, OpensOnEveryPartnerAndClosesTheSharedViews) {
    dm1.query("Q_HIM3").setSql({"SELECT * FROM HIMAS3 WHERE KCODE = '000003'"});
    LedgerEditorRules& editor = open(LedgerEditorDescription::purchases());
    EXPECT_EQ(editor.partners().recordCount(), 3);
    ASSERT_TRUE(editor.partnerChanged(march));
    ASSERT_TRUE(editor.ledger().isFiltered());

    editor.close();
    EXPECT_FALSE(editor.partners().isOpen());
    EXPECT_FALSE(editor.ledger().isOpen());
    EXPECT_FALSE(editor.ledger().isFiltered());
    EXPECT_TRUE(editor.ledger().filter().isEmpty());
}

}  // namespace
}  // namespace vantir::test
