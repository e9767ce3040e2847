#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "maintenance/screens/ControlScreen.h"
#include "platform/dataset/TableDataset.h"
#include "platform/ui/LookupComboBox.h"
#include "platform/ui/RecordBar.h"
#include "support/ShownScreenTest.h"

namespace vantir::test {
namespace {

class ControlScreenTest : public ShownScreenTest {
  protected:
    void open() { show(std::make_unique<ControlScreen>(dm1, messages)); }
    TableDataset& control() { return dm1.table("S_CONTROL"); }
    void enterCode() { widget("EditCODE")->setFocus(Qt::TabFocusReason); }
};

// The first visit of the code field on a new or blank record gives it the code "1"; an
// existing code is left alone and the record is not put into editing.
struct CodeCase {
    const char* name;
    QStringList tableBefore;  // statements on the control table
    const char* codeAfter;
    bool editing;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const CodeCase& c, std::ostream* os) { *os << c.name; }

class ControlCodeTest : public ControlScreenTest, public ::testing::WithParamInterface<CodeCase> {};

TEST_P(ControlCodeTest, EnteringTheCodeField) {
    const CodeCase& c = GetParam();
    for (const QString& statement : c.tableBefore) dm1.database().connection().execute(statement);
    open();
    enterCode();
    EXPECT_EQ(control().text("CODE"), c.codeAfter);
    EXPECT_EQ(control().isEditing(), c.editing);
    EXPECT_EQ(widget<QLineEdit>("EditCODE")->text(), c.codeAfter);
}

INSTANTIATE_TEST_SUITE_P(
    Records, ControlCodeTest,
    ::testing::Values(CodeCase{"EmptyTable", {"DELETE FROM S_CONTROL"}, "1", true},
                      CodeCase{"NullCode", {"UPDATE S_CONTROL SET CODE = NULL"}, "1", true},
                      CodeCase{"EmptyCode", {"UPDATE S_CONTROL SET CODE = ''"}, "1", true},
                      CodeCase{"ExistingCode", {}, "1", false},
                      CodeCase{"OtherCode", {"UPDATE S_CONTROL SET CODE = '7'"}, "7", false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ControlScreenTest, AnEmptyTableGetsItsFirstRowFromTheScreen) {
    dm1.database().connection().execute("DELETE FROM S_CONTROL");
    seedRows(
        dm1.database(), "HIMAS1",
        {{{"TENCOD", "01"}, {"TENMEI", "本社"}}, {{"TENCOD", "02"}, {"TENMEI", "大阪営業所"}}});
    open();
    enterCode();
    typeInto("EditVSIM", "20");
    typeInto("EditVSIT", "2");
    typeInto("EditVYOT", "99");
    typeInto("EditVKETU", "03");
    auto* offices = widget<LookupComboBox>("ComboVTCD");
    ASSERT_EQ(offices->findText("大阪営業所") >= 0, true);
    offices->setCurrentIndex(offices->findText("大阪営業所"));
    Q_EMIT offices->activated(offices->currentIndex());
    typeInto("EditVPRN", "1");
    typeInto("EditVHEN", "0");
    ASSERT_TRUE(widget<RecordBar>("DBNavigator1")->run(RecordBar::Post));

    EXPECT_EQ(stored("SELECT COUNT(*) FROM S_CONTROL").toInt(), 1);
    EXPECT_EQ(stored("SELECT CODE || VSIM || VSIT || VYOT || VKETU || VTCD || VPRN || VHEN "
                     "FROM S_CONTROL")
                  .toString(),
              "1"
              "20"
              "2"
              "99"
              "03"
              "02"
              "1"
              "0");
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
}

// A row started in another field than the code, after the row the code field gave was
// cancelled, still gets the code "1" when it is registered: the readers of the control
// record find only row "1".
TEST_F(ControlScreenTest, ARecordRegisteredWithoutEnteringTheCodeIsStoredAsRowOne) {
    dm1.database().connection().execute("DELETE FROM S_CONTROL");
    open();
    ASSERT_TRUE(widget<RecordBar>("DBNavigator1")->run(RecordBar::Cancel));
    EXPECT_EQ(control().recordCount(), 0);
    typeInto("EditVSIM", "20");
    EXPECT_TRUE(control().isNull("CODE"));
    ASSERT_TRUE(widget<RecordBar>("DBNavigator1")->run(RecordBar::Post));
    EXPECT_EQ(stored("SELECT COUNT(*) FROM S_CONTROL").toInt(), 1);
    EXPECT_EQ(stored("SELECT VSIM FROM S_CONTROL WHERE CODE = '1'").toString(), "20");
    EXPECT_EQ(widget<QLineEdit>("EditCODE")->text(), "1");
}

TEST_F(ControlScreenTest, OffersSaveAndCancelWithTheLegendsAndHidesTheSpare) {
    open();
    QStringList visible;
    for (const QPushButton* button : widget("DBNavigator1")->findChildren<QPushButton*>()) {
        if (button->isVisible()) visible << button->text();
    }
    EXPECT_EQ(visible, (QStringList{"&O 登録", "&C 取消"}));
    EXPECT_EQ(widget<QLabel>("LegendVSIM")->text(), "末締 = 99");
    EXPECT_EQ(widget<QLabel>("LegendVSIT")->text(), "当月 = 0 / 翌月 = 1\n翌々月 = 2");
    EXPECT_FALSE(widget("EditVSUB")->isVisible());
    EXPECT_TRUE(widget<QLineEdit>("EditCODE")->isReadOnly());
    EXPECT_EQ(screen->windowTitle(), "コントロール");
}

TEST_F(ControlScreenTest, CancelDropsTheChangesAndClosingLeavesTheRowAlone) {
    open();
    focus("EditVSIM");
    press(Qt::Key_End);
    press(Qt::Key_Backspace);
    press(Qt::Key_Backspace);
    type("15");
    widget<RecordBar>("DBNavigator1")->run(RecordBar::Cancel);
    EXPECT_EQ(control().text("VSIM"), "99");
    typeInto("EditVKETU", "9");
    screen->close();
    EXPECT_FALSE(control().isOpen());
    EXPECT_FALSE(dm1.table("HIMAS1").isOpen());
    EXPECT_EQ(stored("SELECT VSIM || VKETU FROM S_CONTROL").toString(), "9903");
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
}

}  // namespace
}  // namespace vantir::test
