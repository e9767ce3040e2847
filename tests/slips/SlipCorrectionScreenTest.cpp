#include <QLineEdit>
#include <QPushButton>

#include "data/HandBacks.h"
#include "platform/dataset/TableDataset.h"
#include "slips/screens/SlipCorrectionScreen.h"
#include "support/QtPrinters.h"
#include "support/ShownScreenTest.h"

namespace vantir::test {
namespace {

const QString kDiscardQuestion =
    QStringLiteral("question:登録変更:データが変更されています、取消して良いですか。？");

// The slip correction as the main menu opens it, over slip 1234 with its carrier fee and
// purchase cost but no carrier total, and slip 1235.
class SlipCorrectionScreenTest : public ShownScreenTest {
  protected:
    void SetUp() override {
        appState.EditPName = SlipCorrectionRules::kModeName;
        seedRows(dm1.database(), "HIMAS3", {{{"KCODE", "000012"}, {"KNAME", "丸山運送"}}});
        seedRows(dm1.database(), "HITRAN1",
                 {{{"HYMD", "03/05/19"}, {"CODE", "1234"}, {"HATTI", "東京"}, {"UKING", "50000"},
                   {"YKING", "30000"}, {"SHIYO", "2000"}, {"SKING", "0"}},
                  {{"HYMD", "03/05/20"}, {"CODE", "1235"}, {"HATTI", "大阪"}}});
        SearchDialogs searches{[](const QString&) { return true; },
                               [this](const QString& name) { shownSearches << name; }};
        show(std::make_unique<SlipCorrectionScreen>(SlipFormDescription::correction(), dm1,
                                                    hookTargets, handBacks, searches, messages));
    }
    QString text(const QString& field) const { return widget<QLineEdit>(field)->text(); }
    bool enabled(const QString& button) const { return widget<QPushButton>(button)->isEnabled(); }
    void enter(const QString& typed = {}) {
        type(typed);
        press(Qt::Key_Return);
    }
    // The number typed into the number box and Enter pressed.
    void load(const QString& number) {
        focus(SlipCorrectionScreen::kNumberBox);
        widget<QLineEdit>(SlipCorrectionScreen::kNumberBox)->clear();
        enter(number);
    }
    QVariant storedOf(const char* column, const char* code) {
        return stored(QStringLiteral("SELECT %1 FROM HITRAN1 WHERE CODE = '%2'")
                          .arg(QLatin1String(column), QLatin1String(code)));
    }

    HandBacks handBacks;
    QStringList shownSearches;
};

// The number is matched exactly as typed: no zero-fill, an unknown number shows an empty
// form; the cursor goes to the dispatch date either way.
TEST_F(SlipCorrectionScreenTest, NumberBoxLoadsTheSlipOfExactlyThatNumber) {
    EXPECT_EQ(focusName(), SlipCorrectionScreen::kNumberBox);
    EXPECT_FALSE(dm1.table("HITRAN1").isOpen());  // opening the screen opens nothing
    struct Case {
        const char* typed;
        const char* shownCode;
    };
    for (const Case& c : {Case{"1234", "1234"}, Case{"01234", ""}, Case{"1235", "1235"},
                          Case{"' OR '1'='1", ""}}) {
        load(QString::fromUtf8(c.typed));
        EXPECT_EQ(text("EditCODE"), c.shownCode) << c.typed;
        EXPECT_EQ(focusName(), "EditHYMD") << c.typed;
    }
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
}

// An empty number box keeps the cursor without a word.
TEST_F(SlipCorrectionScreenTest, EmptyNumberKeepsTheCursor) {
    enter();
    EXPECT_EQ(focusName(), SlipCorrectionScreen::kNumberBox);
    EXPECT_TRUE(messages.shown.isEmpty());
}

// Going back into the number box with a change pending asks first: No keeps the slip and
// its change with the cursor back on the slip; Yes drops the change and the slip.
TEST_F(SlipCorrectionScreenTest, BackToTheNumberAsksBeforeDroppingAChange) {
    load("1234");
    typeInto("EditUKING", "9");
    messages.answers = {false};
    focus(SlipCorrectionScreen::kNumberBox);
    QCoreApplication::processEvents();
    EXPECT_EQ(messages.shown, QStringList{kDiscardQuestion});
    EXPECT_EQ(focusName(), "EditHYMD");
    EXPECT_EQ(text("EditUKING"), "9");
    EXPECT_TRUE(enabled("btnPost"));

    messages.answers = {true};
    focus(SlipCorrectionScreen::kNumberBox);
    EXPECT_EQ(focusName(), SlipCorrectionScreen::kNumberBox);
    EXPECT_EQ(text("EditCODE"), "");
    EXPECT_EQ(storedOf("UKING", "1234").toLongLong(), 50000);
    load("1234");
    EXPECT_EQ(text("EditUKING"), "50000");
}

// Registering works the zero carrier total out from fee and cost; a cleared origin is
// stored empty, there being no previous slip to repeat.
TEST_F(SlipCorrectionScreenTest, RegisterWorksTheCarrierTotalOutAndKeepsAnEmptyOrigin) {
    load("1234");
    focus("EditHATTI");
    widget<QLineEdit>("EditHATTI")->selectAll();
    press(Qt::Key_Delete);
    press(Qt::Key_Return);
    EXPECT_EQ(focusName(), "EditTHTTI");
    press(Qt::Key_F1);
    EXPECT_EQ(storedOf("SKING", "1234").toLongLong(), 32000);
    EXPECT_EQ(storedOf("COALESCE(HATTI, '')", "1234").toString(), "");
    EXPECT_FALSE(enabled("btnPost"));
}

// There is no append button, but F3 appends a slip that takes the next number.
TEST_F(SlipCorrectionScreenTest, F3AppendsWithoutAButton) {
    EXPECT_EQ(screen->findChild<QPushButton*>("btnAppend"), nullptr);
    load("1234");
    press(Qt::Key_F3);
    EXPECT_EQ(focusName(), "EditHYMD");
    EXPECT_EQ(text("EditHYMD"), "");  // no set date
    enter();
    enter();
    EXPECT_EQ(text("EditCODE"), "1236");
}

// Closing by the frame with a change pending is refused as the close button refuses it.
TEST_F(SlipCorrectionScreenTest, FrameCloseWithAPendingChangeStaysOpen) {
    load("1234");
    typeInto("EditBIKO", "x");
    screen->close();
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(messages.shown,
              QStringList{"notice:データが変更されています。\n登録か取消を押して下さい。"});
    press(Qt::Key_F9);
    screen->close();
    EXPECT_FALSE(screen->isVisible());
    EXPECT_FALSE(dm1.table("HITRAN1").isOpen());
}

// The searches opened from the names hand their codes back to the slip shown.
TEST_F(SlipCorrectionScreenTest, SearchesHandTheirCodesBack) {
    load("1235");
    QTest::mouseDClick(widget("EditKNAME"), Qt::LeftButton);
    QTest::mouseDClick(widget("EditYNAME"), Qt::LeftButton);
    EXPECT_EQ(shownSearches, QStringList({"CustomerSearch", "CarrierSearch"}));
    ASSERT_TRUE(handBacks.handBack(SlipCorrectionRules::kModeName, HandBack::CustomerCode, "12"));
    EXPECT_EQ(text("EditKCODE"), "12");
    EXPECT_EQ(focusName(), "EditKCODE");
    press(Qt::Key_Return);
    EXPECT_EQ(text("EditKNAME"), "丸山運送");
    EXPECT_TRUE(enabled("btnPost"));
}

}  // namespace
}  // namespace vantir::test
