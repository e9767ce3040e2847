#include "SampleScreenTest.h"
#include "platform/ui/BoundLineEdit.h"
#include "platform/ui/LookupComboBox.h"

namespace vantir::test {
namespace {

using BoundFieldsTest = SampleScreenTest;

TEST_F(BoundFieldsTest, ShowsTheCurrentRecordAndFollowsIt) {
    EXPECT_EQ(widget<QLineEdit>("EditNAME")->text(), "一番");
    data.sample.next();
    EXPECT_EQ(widget<QLineEdit>("EditCODE")->text(), "000002");
    EXPECT_EQ(widget<QLineEdit>("EditNAME")->text(), "");
    EXPECT_EQ(widget<QLineEdit>("EditQTY")->text(), "");
}

TEST_F(BoundFieldsTest, TypingWritesTheRecordBufferInEditMode) {
    focus("EditNAME");
    type("新");
    EXPECT_EQ(data.sample.state(), DatasetState::Edit);
    EXPECT_EQ(data.sample.text("NAME"), "新");
}

// NAME holds 10 bytes of Shift_JIS: five full-width characters or ten single-byte ones.
TEST_F(BoundFieldsTest, TypingStopsAtTheColumnWidthInShiftJisBytes) {
    struct Case {
        const char* typed;
        bool asOnePhrase;  // handed over by the input method at once
        const char* kept;
    };
    const Case cases[] = {
        {"あいうえおか", false, "あいうえお"}, {"あいうえおかきく", true, "あいうえお"},
        {"abcdefghijkl", false, "abcdefghij"}, {"abcあいうえ", true, "abcあいう"},
        {"abcあいうえx", false, "abcあいうx"},  // a single byte still fits after
        {"ｱｲｳｴｵｶｷｸｹｺｻ", false, "ｱｲｳｴｵｶｷｸｹｺ"},   // half-width kana take one byte
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.typed);
        focus("EditNAME");
        press(Qt::Key_A, Qt::ControlModifier);
        press(Qt::Key_Delete);
        if (c.asOnePhrase) {
            commitText(QString::fromUtf8(c.typed));
        } else {
            type(QString::fromUtf8(c.typed));
        }
        EXPECT_EQ(widget<QLineEdit>("EditNAME")->text(), QString::fromUtf8(c.kept));
        EXPECT_EQ(data.sample.text("NAME"), QString::fromUtf8(c.kept));
    }
}

TEST_F(BoundFieldsTest, TypingInTheMiddleKeepsTheTextAfterTheCursor) {
    focus("EditNAME");
    press(Qt::Key_Home);
    commitText("あいうえ");  // "一番" behind the cursor leaves room for three characters
    EXPECT_EQ(data.sample.text("NAME"), "あいう一番");
}

TEST_F(BoundFieldsTest, NullStaysApartFromEmptyText) {
    data.sample.next();  // 000002: NAME and QTY are NULL
    focus("EditNAME");
    press(Qt::Key_Return);  // passing through changes nothing
    EXPECT_EQ(data.sample.state(), DatasetState::Browse);
    EXPECT_TRUE(data.sample.isNull("NAME"));

    focus("EditNAME");
    type("x");
    press(Qt::Key_Backspace);
    focus("EditQTY");
    type("5");
    press(Qt::Key_Backspace);
    ASSERT_TRUE(data.sample.post());
    EXPECT_EQ(data.count("SELECT COUNT(*) FROM SAMPLE WHERE CODE = '000002' AND NAME = '' "
                         "AND QTY IS NULL"),
              1);
}

TEST_F(BoundFieldsTest, AnIntegerFieldRefusesTextThatIsNoWholeNumber) {
    focus("EditQTY");
    type("12x");
    press(Qt::Key_Return);
    const QString refusal = "error:'12x' は項目 'QTY' に適した整数値ではありません";
    EXPECT_EQ(messages.shown, QStringList{refusal});
    EXPECT_EQ(focusName(), "EditQTY");

    // A command does not post past it either: the text is offered again and refused.
    press(Qt::Key_F1);
    EXPECT_EQ(messages.shown.size(), 2);
    EXPECT_EQ(data.count("SELECT QTY FROM SAMPLE WHERE CODE = '000001'"), 10);

    press(Qt::Key_End);
    press(Qt::Key_Backspace);
    press(Qt::Key_Return);
    EXPECT_EQ(focusName(), "EditSEKBN");
    EXPECT_EQ(data.sample.value("QTY").toLongLong(), 12);
}

TEST_F(BoundFieldsTest, AnEnterHookSetsADefault) {
    press(Qt::Key_F3);
    focus("EditQTY");
    EXPECT_EQ(widget<QLineEdit>("EditQTY")->text(), "1");
    EXPECT_EQ(data.sample.value("QTY").toLongLong(), 1);
}

// KANA holds 10 bytes: a reading is measured as it is kept, in half-width katakana.
TEST_F(BoundFieldsTest, AKanaReadingBecomesHalfWidthOnLeaving) {
    const struct {
        const char* typed;
        const char* kept;
    } cases[] = {
        {"ヤマダウンソウ", "ﾔﾏﾀﾞｳﾝｿｳ"},          // 14 bytes typed, 8 kept
        {"やまだ", "ﾔﾏﾀﾞ"},                      // hiragana from the input method
        {"ヤマダウンソウテンポ", "ﾔﾏﾀﾞｳﾝｿｳﾃﾝ"},  // what would not fit is not taken
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed);
        focus("EditKANA");
        press(Qt::Key_A, Qt::ControlModifier);
        press(Qt::Key_Delete);
        commitText(QString::fromUtf8(c.typed));
        press(Qt::Key_Return);
        EXPECT_EQ(focusName(), "EditQTY");
        EXPECT_EQ(widget<QLineEdit>("EditKANA")->text(), QString::fromUtf8(c.kept));
        EXPECT_EQ(data.sample.text("KANA"), QString::fromUtf8(c.kept));
    }
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(BoundFieldsTest, DirectFieldsTurnTheInputMethodOff) {
    const struct {
        const char* field;
        bool inputMethod;
    } cases[] = {{"EditCODE", false}, {"EditQTY", false}, {"EditNAME", true}, {"EditKANA", true}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.field);
        auto* field = widget(c.field);
        EXPECT_EQ(field->testAttribute(Qt::WA_InputMethodEnabled), c.inputMethod);
        EXPECT_EQ(bool(field->inputMethodHints() & Qt::ImhPreferLatin), !c.inputMethod);
    }
}

TEST_F(BoundFieldsTest, DropDownsShowNamesAndStoreCodes) {
    const struct {
        const char* list;
        const char* field;
        const char* column;
        const char* shownFirst;
        const char* chosenName;
        const char* storedCode;
    } cases[] = {
        {"ComboSEKBN", "EditSEKBN", "SEKBN", "通常", "降し日", "1"},
        {"ComboTANCOD", "EditTANCOD", "TANCOD", "山田", "佐藤", "02"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.list);
        auto* list = widget<QComboBox>(c.list);
        EXPECT_EQ(list->currentText(), QString::fromUtf8(c.shownFirst));
        list->setFocus(Qt::TabFocusReason);
        press(Qt::Key_Down);
        EXPECT_EQ(list->currentText(), QString::fromUtf8(c.chosenName));
        EXPECT_EQ(data.sample.text(c.column), c.storedCode);
        EXPECT_EQ(widget<QLineEdit>(c.field)->text(), c.storedCode);
    }
    // A code typed into the box shows its name; an unknown one shows none.
    focus("EditSEKBN");
    type("0");
    EXPECT_EQ(widget<QComboBox>("ComboSEKBN")->currentText(), "通常");
    focus("EditTANCOD");
    type("99");
    EXPECT_EQ(widget<QComboBox>("ComboTANCOD")->currentIndex(), -1);
}

TEST_F(BoundFieldsTest, AMouseClickAwayFromARefusingFieldComesBack) {
    press(Qt::Key_F3);
    focus("EditCODE");
    QTest::mouseClick(widget("EditNAME"), Qt::LeftButton);
    QTest::mouseClick(widget("nbCancel"), Qt::LeftButton);  // no command meanwhile
    EXPECT_EQ(data.sample.state(), DatasetState::Insert);
    QCoreApplication::processEvents();
    EXPECT_EQ(focusName(), "EditCODE");
}

}  // namespace
}  // namespace vantir::test
