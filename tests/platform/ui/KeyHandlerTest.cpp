#include <QSignalSpy>

#include "SampleScreenTest.h"
#include "platform/ui/BoundLineEdit.h"
#include "platform/ui/FieldHooks.h"
#include "platform/ui/KeyHandler.h"

namespace vantir::test {
namespace {

using KeyHandlerTest = SampleScreenTest;

TEST_F(KeyHandlerTest, EnterWalksTheSequenceAndShiftEnterWalksBack) {
    focus("EditCODE");
    const QStringList forward{"EditNAME",  "EditKANA",   "EditQTY",
                              "EditSEKBN", "EditTANCOD", "EditCHKDAY"};
    for (const QString& next : forward) {
        press(Qt::Key_Return);
        EXPECT_EQ(focusName(), next);
    }
    press(Qt::Key_Return);  // the last field: Enter goes nowhere
    EXPECT_EQ(focusName(), "EditCHKDAY");
    press(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(focusName(), "EditTANCOD");
    press(Qt::Key_Enter, Qt::KeypadModifier | Qt::ShiftModifier);
    EXPECT_EQ(focusName(), "EditSEKBN");

    screen->keys().setWrapping(true);
    focus("EditCHKDAY");
    press(Qt::Key_Return);
    EXPECT_EQ(focusName(), "EditCODE");
    press(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(focusName(), "EditCHKDAY");
}

TEST_F(KeyHandlerTest, EnterNeverReachesAField) {
    focus("EditCHKDAY");
    QSignalSpy returns(widget<QLineEdit>("EditCHKDAY"), &QLineEdit::returnPressed);
    press(Qt::Key_Return);
    EXPECT_EQ(returns.count(), 0);
    EXPECT_TRUE(data.sample.state() == DatasetState::Browse);
}

// A leave rule that sends the cursor somewhere itself (the slip entry's day box to the
// dispatch date) decides where it goes, by Enter as by Tab.
TEST_F(KeyHandlerTest, ALeaveRuleThatMovesTheCursorHasTheLastWord) {
    FieldHooks::on(*widget("EditNAME"), messages).setLeaveHook([this] {
        widget("EditTANCOD")->setFocus(Qt::OtherFocusReason);
        return Leave::Go;
    });
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Tab}) {
        focus("EditNAME");
        press(key);
        EXPECT_EQ(focusName(), "EditTANCOD") << key;
    }
}

TEST_F(KeyHandlerTest, StepKeysMoveAndAreNeverTyped) {
    focus("EditNAME");
    type("ab+");
    EXPECT_EQ(focusName(), "EditKANA");
    type("-");
    EXPECT_EQ(focusName(), "EditNAME");
    type("-");
    EXPECT_EQ(focusName(), "EditCODE");
    // An amount cannot be typed negative: "-" moves back instead.
    focus("EditQTY");
    type("-5");
    EXPECT_EQ(focusName(), "EditKANA");
    EXPECT_EQ(widget<QLineEdit>("EditNAME")->text(), "ab");
    EXPECT_EQ(widget<QLineEdit>("EditQTY")->text(), "10");
    EXPECT_EQ(data.sample.value("QTY").toLongLong(), 10);
}

TEST_F(KeyHandlerTest, ARefusedLeaveKeepsTheCursorWithoutAMessage) {
    press(Qt::Key_F3);  // a new record: no code yet
    focus("EditCODE");
    press(Qt::Key_Return);
    type("+");
    EXPECT_EQ(focusName(), "EditCODE");
    type("7");
    press(Qt::Key_Return);
    EXPECT_EQ(focusName(), "EditNAME");
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(KeyHandlerTest, FieldsOutsideTheSequenceMoveLikeTheirField) {
    focus("ComboSEKBN");
    press(Qt::Key_Return);
    EXPECT_EQ(focusName(), "EditTANCOD");
    focus("ComboTANCOD");
    press(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(focusName(), "EditSEKBN");
}

TEST_F(KeyHandlerTest, PageKeysWalkTheSequenceWhenTheScreenAsks) {
    focus("EditQTY");
    press(Qt::Key_PageDown);
    EXPECT_EQ(focusName(), "EditQTY");  // not asked for: a text box ignores the key
    screen->keys().setPageKeys(true);
    press(Qt::Key_PageDown);
    EXPECT_EQ(focusName(), "EditSEKBN");
    press(Qt::Key_PageUp);
    press(Qt::Key_PageUp);
    EXPECT_EQ(focusName(), "EditKANA");
}

TEST_F(KeyHandlerTest, FunctionKeysRunTheScreensCommands) {
    focus("EditNAME");
    press(Qt::Key_F3);
    EXPECT_EQ(data.sample.state(), DatasetState::Insert);
    press(Qt::Key_F9);
    EXPECT_EQ(data.sample.state(), DatasetState::Browse);

    press(Qt::Key_End);
    type("改");
    press(Qt::Key_F1);
    EXPECT_EQ(data.sample.state(), DatasetState::Browse);
    EXPECT_EQ(data.count("SELECT COUNT(*) FROM SAMPLE WHERE NAME = '一番改'"), 1);

    messages.answers = {true};
    press(Qt::Key_F12);
    EXPECT_EQ(data.count("SELECT COUNT(*) FROM SAMPLE"), 2);
}

TEST_F(KeyHandlerTest, ADatabaseErrorEndsTheCommandWithTheEnginesMessage) {
    bool finished = false;
    screen->keys().bindKey(Qt::Key_F5, [&] {
        data.sample.close();
        data.sample.edit();  // a closed view refuses
        finished = true;
    });
    press(Qt::Key_F5);
    EXPECT_FALSE(finished);
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown.first().startsWith("error:SAMPLE"))
        << messages.shown.first().toStdString();
}

TEST_F(KeyHandlerTest, EnterOnAFocusedButtonPressesIt) {
    auto* insert = widget<QWidget>("nbInsert");
    insert->setFocus(Qt::TabFocusReason);
    press(Qt::Key_Return);
    EXPECT_EQ(data.sample.state(), DatasetState::Insert);
}

}  // namespace
}  // namespace vantir::test
