#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>
#include <memory>

#include "SampleData.h"
#include "platform/db/DbError.h"
#include "platform/ui/BoundLineEdit.h"
#include "platform/ui/KeyHandler.h"
#include "platform/ui/LookupComboBox.h"
#include "platform/ui/RecordForm.h"
#include "platform/ui/Screen.h"
#include "support/ScreenInput.h"
#include "support/ScriptedMessages.h"

namespace vantir::test {
namespace {

// A screen that is nothing but the record form of a field table over the sample views.
class FormScreen : public Screen {
  public:
    FormScreen(SampleData& data, Messages& messages, const QList<FormField>& fields)
        : Screen(messages) {
        openDataset(data.kinds);
        openDataset(data.staff);
        openDataset(data.sample);
        form = new RecordForm(*this, data.sample, fields);
        (new QVBoxLayout(this))->addWidget(form);
    }
    RecordForm* form = nullptr;
};

// Shaped like the slip entry: the name beside a code is reached by Tab and moves like
// the code; a date is reached by Enter only; a drop-down outside both moves like its
// code; another drop-down is the last stop of Tab. The spare column is hidden.
QList<FormField> slipLikeTable(SampleData& data) {
    return {
        {.column = "CODE", .caption = "&C コード"},
        {.column = "NAME",
         .caption = "名前",
         .input = InputMode::Hiragana,
         .inEnterSequence = false,
         .movesLike = "CODE",
         .name = "EditSampleName"},
        {.column = "QTY", .caption = "数量", .inTabOrder = false},
        {.column = "SEKBN", .caption = "区分", .legend = "0 = 通常", .heading = "【 請求 】"},
        {.column = "SEKBN",
         .list = {&data.kinds, "FDATA", "FNAME"},
         .inEnterSequence = false,
         .inTabOrder = false,
         .movesLike = "SEKBN"},
        {.column = "TANCOD", .caption = "担当", .heading = "【 請求 】"},
        {.column = "CHKDAY", .caption = "確認日"},
        {.column = "KANA", .caption = "予備", .input = InputMode::HalfKatakana, .hidden = true},
        {.column = "TANCOD",
         .list = {&data.staff, "TANCOD", "TANMEI"},
         .inEnterSequence = false,
         .movesLike = "TANCOD"},
    };
}

class RecordFormTest : public ::testing::Test {
  protected:
    void SetUp() override {
        screen = std::make_unique<FormScreen>(data, messages, slipLikeTable(data));
        ASSERT_TRUE(showActive(*screen));
    }
    template <typename Widget = QWidget>
    Widget* widget(const QString& name) const {
        return childNamed<Widget>(*screen, name);
    }
    // The controls the key visits from the first field on, the first one included.
    QStringList walk(Qt::Key key, int presses, Qt::KeyboardModifiers modifiers = {}) const {
        QStringList walked{focusName()};
        for (int i = 0; i < presses; ++i) {
            press(key, modifiers);
            walked << focusName();
        }
        return walked;
    }

    SampleData data;
    ScriptedMessages messages;
    std::unique_ptr<FormScreen> screen;
};

TEST_F(RecordFormTest, BuildsNamedBoxesAsWideAsTheirColumns) {
    const int digit = widget("EditCODE")->fontMetrics().horizontalAdvance(QLatin1Char('0'));
    const struct {
        const char* name;
        int characters;  // the column's width (numbers: 11), at least 2, and a margin of 2
    } cases[] = {{"EditCODE", 8},  {"EditSampleName", 12}, {"EditQTY", 13},
                 {"EditSEKBN", 4}, {"EditTANCOD", 4},      {"EditCHKDAY", 10}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        auto* box = widget<BoundLineEdit>(c.name);
        EXPECT_EQ(box->width(), digit * c.characters);
    }
    EXPECT_EQ(widget<BoundLineEdit>("EditSampleName")->column(), "NAME");
    EXPECT_EQ(widget<BoundLineEdit>("EditSampleName")->text(), "一番");
    EXPECT_EQ(widget<LookupComboBox>("ComboSEKBN")->currentText(), "通常");
    EXPECT_EQ(widget<QLabel>("LegendSEKBN")->text(), "0 = 通常");
    EXPECT_EQ(screen->form->box("sekbn"), widget("EditSEKBN"));
    EXPECT_EQ(screen->form->dropDown("TANCOD"), widget("ComboTANCOD"));
    // One heading over the rows that share it.
    int headings = 0;
    for (const QLabel* label : screen->findChildren<QLabel*>())
        headings += label->text() == "【 請求 】" ? 1 : 0;
    EXPECT_EQ(headings, 1);
    EXPECT_FALSE(widget("EditKANA")->isVisible());
}

TEST_F(RecordFormTest, TheCursorStartsInTheFirstField) { EXPECT_EQ(focusName(), "EditCODE"); }

// Enter skips the name and the drop-downs, Tab skips the quantity and the billing kind's
// drop-down and ends on the staff drop-down; neither visits the hidden spare.
TEST_F(RecordFormTest, EnterSequenceAndTabOrderAreBuiltApart) {
    EXPECT_EQ(walk(Qt::Key_Return, 5), (QStringList{"EditCODE", "EditQTY", "EditSEKBN",
                                                    "EditTANCOD", "EditCHKDAY", "EditCHKDAY"}));
    EXPECT_EQ(walk(Qt::Key_Return, 4, Qt::ShiftModifier),
              (QStringList{"EditCHKDAY", "EditTANCOD", "EditSEKBN", "EditQTY", "EditCODE"}));
    EXPECT_EQ(walk(Qt::Key_Tab, 5), (QStringList{"EditCODE", "EditSampleName", "EditSEKBN",
                                                 "EditTANCOD", "EditCHKDAY", "ComboTANCOD"}));
    EXPECT_EQ(widget("ComboSEKBN")->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(widget("EditQTY")->focusPolicy(), Qt::ClickFocus);
}

TEST_F(RecordFormTest, ControlsOutsideTheSequenceMoveLikeTheirField) {
    const struct {
        const char* from;
        Qt::KeyboardModifiers modifiers;
        const char* to;
    } cases[] = {
        {"EditSampleName", {}, "EditQTY"},
        {"ComboSEKBN", {}, "EditTANCOD"},
        {"ComboSEKBN", Qt::ShiftModifier, "EditQTY"},
        {"ComboTANCOD", {}, "EditCHKDAY"},
        {"ComboTANCOD", Qt::ShiftModifier, "EditSEKBN"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.from) +
                     (c.modifiers.testFlag(Qt::ShiftModifier) ? " back" : ""));
        widget(c.from)->setFocus(Qt::MouseFocusReason);
        press(Qt::Key_Return, c.modifiers);
        EXPECT_EQ(focusName(), c.to);
    }
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
}

// A column the view does not have is refused when the screen is built, naming the
// column; the views the screen opened are closed again.
TEST(RecordFormRefusalTest, AColumnTheViewLacksIsRefusedByName) {
    SampleData data;
    ScriptedMessages messages;
    const struct {
        const char* name;
        QList<FormField> fields;
        const char* named;
    } cases[] = {
        {"box", {{.column = "CODE"}, {.column = "KCODE", .caption = "コード"}}, "KCODE"},
        {"list", {{.column = "TANCOD", .list = {&data.staff, "TANCOD", "TENMEI"}}}, "TENMEI"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        try {
            FormScreen screen(data, messages, c.fields);
            ADD_FAILURE() << "the form was built";
        } catch (const DbError& error) {
            EXPECT_TRUE(error.message().contains(c.named)) << error.message().toStdString();
        }
        EXPECT_FALSE(data.sample.isOpen());
        EXPECT_FALSE(data.staff.isOpen());
    }
}

}  // namespace
}  // namespace vantir::test
