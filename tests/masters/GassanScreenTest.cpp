#include <gtest/gtest.h>

#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include "data/HandBacks.h"
#include "masters/screens/GassanScreen.h"
#include "platform/ui/RecordBar.h"
#include "slips/screens/PartnerSearchDialog.h"
#include "support/FixedToday.h"
#include "support/ShownScreenTest.h"

namespace vantir::test {
namespace {

// Both consolidation screens as the menu opens them, over partner 000123 (carrier code
// 000777) with monthly rows of closing day 99 for March and April 2003, and its side's
// search made at start. Today is 10 May 2003; the control closes on the 20th.
class GassanScreenTest : public ShownScreenTest {
  protected:
    void SetUp() override {
        seedRows(dm1.database(), "HIMAS3",
                 {{{"KCODE", "000123"},
                   {"YCODE", "000777"},
                   {"KY_KBN", "0"},
                   {"KNAME", "入江運送"},
                   {"KANAMEI", "ｲﾘｴ"},
                   {"UKING", 900000}},
                  {{"KCODE", "000777"},
                   {"YCODE", "000123"},
                   {"KY_KBN", "0"},
                   {"KNAME", "逆向き商事"},
                   {"KANAMEI", "ｷﾞｬｸ"},
                   {"UKING", 5}}});
        for (const char* table : {"HIMAS31", "HIMAS32"}) {
            seedRows(
                dm1.database(), table,
                {{{"KCODE", "000123"}, {"YCODE", "000777"}, {"HYMD", "03/03/31"}, {"UKING", 100}},
                 {{"KCODE", "000123"},
                  {"YCODE", "000777"},
                  {"HYMD", "03/04/30"},
                  {"KNAME", "入江運送"},
                  {"UKING", 200}}});
        }
        dm1.database().connection().execute(
            QStringLiteral("UPDATE S_CONTROL SET VSIM = '20' WHERE CODE = '1'"));
    }
    void TearDown() override {
        screen.reset();
        search.reset();
    }

    void open(const GassanSide& side) {
        appState.EditPName = side.modeName;
        search = std::make_unique<PartnerSearchDialog>(side.handBack == HandBack::CustomerCode
                                                           ? PartnerSearchDescription::customer()
                                                           : PartnerSearchDescription::carrier(),
                                                       dm1, appState, handBacks, messages);
        show(std::make_unique<GassanScreen>(side, dm1, handBacks, search.get(), messages));
    }
    QString text(const char* name) const { return widget<QLineEdit>(name)->text(); }
    void select(const char* code, const char* sime, const char* month) {
        typeInto("EditCode", QString::fromLatin1(code));
        press(Qt::Key_Return);
        widget<QLineEdit>("EditSime")->setText(QString::fromLatin1(sime));
        widget<QLineEdit>("EditMonth")->setText(QString::fromLatin1(month));
        widget<QPushButton>("btnSearch")->click();
    }

    HandBacks handBacks;
    std::unique_ptr<PartnerSearchDialog> search;
    FixedToday today{"2003-05-10"};
};

TEST_F(GassanScreenTest, EachSideOpensWithItsCaptionPlaceholdersPresetsAndBars) {
    struct Case {
        const GassanSide* side;
        const char* caption;
        const char* placeholder;
    };
    for (const Case& c : {Case{&GassanSide::customer(), "得意先合算マスタ", "得意先CD"},
                          Case{&GassanSide::carrier(), "仕入先合算マスタ", "傭車先CD"}}) {
        SCOPED_TRACE(c.caption);
        open(*c.side);
        EXPECT_EQ(screen->windowTitle(), QString::fromUtf8(c.caption));
        EXPECT_EQ(widget<QLineEdit>("EditCode")->placeholderText(),
                  QString::fromUtf8(c.placeholder));
        EXPECT_EQ(widget<QLineEdit>("EditName")->placeholderText(), "ダブルクリックで検索画面");
        EXPECT_EQ(text("EditCode"), "");
        EXPECT_EQ(text("EditSime"), "20");
        EXPECT_EQ(text("EditMonth"), "03/04");
        EXPECT_EQ(focusName(), "EditCode");
        EXPECT_EQ(widget<QGroupBox>("GroupMaster")->title(), "取引先　累計等データ");
        EXPECT_EQ(text("EditHYMD"), "") << "nothing shown before a search";
        EXPECT_FALSE(widget("EditMasURISUB")->isVisible());

        const auto shown = [this](const char* bar) {
            QStringList captions;
            for (int b = 0; b < RecordBar::kButtonCount; ++b) {
                const QPushButton* button = widget<RecordBar>(bar)->button(RecordBar::Button(b));
                if (button->isVisible()) captions << button->text();
            }
            return captions;
        };
        EXPECT_EQ(shown("DBNavigator1"), (QStringList{"&A 追加", "&D 削除", "&O 登録", "&C 取消"}));
        EXPECT_EQ(shown("DBNavigator2"), (QStringList{"&F 先頭", "&P 前行", "&N 次行", "&L 最後"}));
        EXPECT_EQ(shown("DBNavigator3"), (QStringList{"&O 登録", "&C 取消"}));
        widget<QPushButton>("btnUpdate")->click();
        EXPECT_TRUE(messages.shown.isEmpty());
        EXPECT_EQ(widget<QPushButton>("btnUpdate")->text(), "更新 →");
    }
}

// Code 123 becomes 000123 with its name on leaving; code 1 stays 1 and the search refuses
// it with the side's message, keeping what was shown.
TEST_F(GassanScreenTest, TheCodeIsPaddedOnLeavingAndAShortOneIsRefusedBySearch) {
    open(GassanSide::customer());
    typeInto("EditCode", "123");
    press(Qt::Key_Return);
    EXPECT_EQ(text("EditCode"), "000123");
    EXPECT_EQ(text("EditName"), "入江運送");
    EXPECT_EQ(focusName(), "EditSime");

    widget<QLineEdit>("EditCode")->clear();
    typeInto("EditCode", "1");
    press(Qt::Key_Return);
    EXPECT_EQ(text("EditCode"), "1");
    EXPECT_EQ(text("EditName"), "");
    widget<QPushButton>("btnSearch")->click();
    EXPECT_EQ(messages.shown, QStringList{"notice:得意先コードを入力して下さい。"});
}

// Closing day 99 and month 03/04: the row of 03/04/30 and the partner's totals; the
// carrier screen finds both by the carrier code 000777.
TEST_F(GassanScreenTest, SearchShowsTheMonthsRowAndTheMasterRowOfEachSide) {
    for (const GassanSide* side : {&GassanSide::customer(), &GassanSide::carrier()}) {
        SCOPED_TRACE(side->modeName.toStdString());
        open(*side);
        const bool carrier = side == &GassanSide::carrier();
        select(carrier ? "777" : "123", "99", "03/04");

        EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
        EXPECT_EQ(text("EditHYMD"), "03/04/30");
        EXPECT_EQ(text(carrier ? "EditYCODE" : "EditKCODE"), carrier ? "000777" : "000123");
        EXPECT_EQ(text("EditUKING"), "200");
        EXPECT_EQ(text("EditMasUKING"), "900000");
        EXPECT_EQ(text("EditMasCode"), carrier ? "000777" : "000123");
    }
}

// A month without its row shows empty fields; "&A 追加" starts one, typed in and posted
// to the main database at once.
TEST_F(GassanScreenTest, AMissingMonthlyRowIsTypedInAndStored) {
    open(GassanSide::customer());
    select("123", "99", "03/02");
    EXPECT_EQ(text("EditHYMD"), "");

    widget<RecordBar>("DBNavigator1")->button(RecordBar::Insert)->click();
    EXPECT_EQ(focusName(), "EditHYMD");
    type("03/02/28");
    press(Qt::Key_Return);
    type("000123");
    press(Qt::Key_Return);
    ASSERT_TRUE(widget<RecordBar>("DBNavigator1")->run(RecordBar::Post));

    EXPECT_EQ(
        stored("SELECT COUNT(*) FROM HIMAS31 WHERE KCODE = '000123' AND HYMD = '03/02/28'").toInt(),
        1);
}

// Enter and Page Down go on, Page Up back; Enter never reaches a field.
TEST_F(GassanScreenTest, EnterAndPageDownGoOnPageUpGoesBack) {
    open(GassanSide::customer());
    press(Qt::Key_Return);
    EXPECT_EQ(focusName(), "EditSime");
    press(Qt::Key_PageDown);
    EXPECT_EQ(focusName(), "EditMonth");
    press(Qt::Key_PageUp);
    EXPECT_EQ(focusName(), "EditSime");
}

// A double click on the name waits for the side's search; its "確定" hands the code back to
// the code box, which gets the cursor.
TEST_F(GassanScreenTest, TheSearchIsShownModallyAndHandsItsCodeBack) {
    struct Case {
        const GassanSide* side;
        const char* code;  // the first partner of the search, by reading
    };
    for (const Case& c :
         {Case{&GassanSide::customer(), "000123"}, Case{&GassanSide::carrier(), "000777"}}) {
        SCOPED_TRACE(c.code);
        open(*c.side);
        bool shownModally = false;
        QTimer::singleShot(0, search.get(), [this, &shownModally] {
            shownModally = search->isModal() && search->isVisible();
            childNamed<QPushButton>(*search, QStringLiteral("btnOK"))->click();
        });
        QTest::mouseDClick(widget("EditName"), Qt::LeftButton);
        ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));

        EXPECT_TRUE(shownModally);
        EXPECT_EQ(text("EditCode"), QString::fromLatin1(c.code));
        EXPECT_EQ(text("EditName"), "入江運送");
        EXPECT_EQ(focusName(), "EditCode");
    }
}

}  // namespace
}  // namespace vantir::test
