#include <QLineEdit>
#include <QPushButton>
#include <QRect>

#include "masters/rules/CodeMasterRules.h"
#include "masters/screens/CodeMasterScreen.h"
#include "platform/dataset/TableDataset.h"
#include "platform/ui/DatasetGrid.h"
#include "platform/ui/RecordBar.h"
#include "support/ShownScreenTest.h"

namespace vantir {

// Names the twin in the test's output.
void PrintTo(const CodeMasterDescription& master, std::ostream* out) {
    *out << master.table.toStdString();
}

namespace test {
namespace {

// Every case runs on both twins: the staff master and the branch master.
class CodeMasterTest : public ShownScreenTest,
                       public ::testing::WithParamInterface<CodeMasterDescription> {
  protected:
    const CodeMasterDescription& master() const { return GetParam(); }
    QString codeField() const { return QStringLiteral("Edit") + master().codeColumn; }
    QString nameField() const { return QStringLiteral("Edit") + master().nameColumn; }
    void seedCodes(const QStringList& codes) {
        QList<SeedRow> rows;
        for (const QString& code : codes) {
            rows.append(
                SeedRow{{master().codeColumn, code}, {master().nameColumn, QString("名" + code)}});
        }
        seedRows(dm1.database(), master().table, rows);
    }
    void open() { show(std::make_unique<CodeMasterScreen>(master(), dm1, messages)); }
    QStringList listedCodes() const {
        const QAbstractItemModel* list = widget<DatasetGrid>("DBGrid1")->model();
        QStringList codes;
        for (int row = 0; row < list->rowCount(); ++row)
            codes << list->index(row, 0).data().toString();
        return codes;
    }
};

TEST_P(CodeMasterTest, ShowsItsCaptionsAndFourCommands) {
    open();
    EXPECT_EQ(screen->windowTitle(), master().caption);
    const QAbstractItemModel* list = widget<DatasetGrid>("DBGrid1")->model();
    EXPECT_EQ(list->headerData(0, Qt::Horizontal).toString(), master().listCodeTitle);
    EXPECT_EQ(list->headerData(1, Qt::Horizontal).toString(), master().listNameTitle);
    QStringList visible;
    for (const QPushButton* button : widget("DBNavigator1")->findChildren<QPushButton*>()) {
        if (button->isVisible()) visible << button->text();
    }
    EXPECT_EQ(visible, (QStringList{"&A 追加", "&D 削除", "&O 登録", "&C 取消"}));
}

// A code is stored as typed: "1" stays "1" and lists between "01" and "10".
TEST_P(CodeMasterTest, CodeIsStoredAsTypedAndListedInTextOrder) {
    seedCodes({"10", "01"});
    open();
    widget<RecordBar>("DBNavigator1")->run(RecordBar::Insert);
    EXPECT_EQ(focusName(), codeField());
    type("1");
    press(Qt::Key_Return);
    type("abc");
    ASSERT_TRUE(widget<RecordBar>("DBNavigator1")->run(RecordBar::Post));

    EXPECT_EQ(stored(QStringLiteral("SELECT %1 FROM %2 WHERE %3 = 'abc'")
                         .arg(master().codeColumn, master().table, master().nameColumn)),
              "1");
    EXPECT_EQ(listedCodes(), (QStringList{"01", "1", "10"}));
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
}

// "+" and "-" walk the two fields and are never typed into either: a name with a "-"
// cannot be entered, the key takes the cursor back to the code.
TEST_P(CodeMasterTest, PlusAndMinusStepBetweenTheFieldsAndNeverReachThem) {
    seedCodes({"01"});
    open();
    focus(codeField());
    widget<QLineEdit>(codeField())->selectAll();
    type("2+");
    EXPECT_EQ(focusName(), nameField());
    type("a-");
    EXPECT_EQ(focusName(), codeField());
    type("-");
    EXPECT_EQ(focusName(), codeField()) << "nothing before the first field";
    type("+");
    type("+");
    EXPECT_EQ(focusName(), nameField()) << "nothing after the last field";
    press(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(focusName(), codeField());
    press(Qt::Key_Return);
    EXPECT_EQ(focusName(), nameField());

    EXPECT_EQ(widget<QLineEdit>(codeField())->text(), "2");
    EXPECT_EQ(widget<QLineEdit>(nameField())->text(), "a");
    EXPECT_EQ(dm1.table(master().table).text(master().nameColumn), "a");
}

// A post refused, for a code another record has or by the database itself, shows why
// and keeps the new record as typed, the cursor on the field at fault.
TEST_P(CodeMasterTest, RefusedPostKeepsWhatWasTyped) {
    dir.executeOnMain(
        {QStringLiteral("CREATE TRIGGER REFUSE BEFORE INSERT ON %1 WHEN "
                        "NEW.%2 = '09' BEGIN SELECT RAISE(ABORT, '書込みできません'); END")
             .arg(master().table, master().codeColumn)});
    seedCodes({"01"});
    open();
    struct Case {
        const char* code;
        QString shown;
        bool cursorOnCode;
    };
    const Case cases[] = {
        {"01", "error:" + master().codeRegistered, true},
        {"09", "error:書込みできません", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.code);
        messages.shown.clear();
        widget<RecordBar>("DBNavigator1")->run(RecordBar::Insert);
        type(c.code);
        press(Qt::Key_Return);
        type("new");
        EXPECT_FALSE(widget<RecordBar>("DBNavigator1")->run(RecordBar::Post));

        EXPECT_EQ(messages.shown, QStringList{c.shown});
        EXPECT_EQ(dm1.table(master().table).state(), DatasetState::Insert);
        EXPECT_EQ(widget<QLineEdit>(codeField())->text(), c.code);
        EXPECT_EQ(widget<QLineEdit>(nameField())->text(), "new");
        if (c.cursorOnCode) {
            EXPECT_EQ(focusName(), codeField());
        }
        EXPECT_EQ(stored("SELECT COUNT(*) FROM " + master().table).toInt(), 1);
        widget<RecordBar>("DBNavigator1")->run(RecordBar::Cancel);
    }
}

// A record whose code is left as it was posts; changed to another record's code it is
// refused, by the record bar and when the list is clicked to move away from it.
TEST_P(CodeMasterTest, ChangedCodeMustNotBeAnotherRecords) {
    seedCodes({"01", "02"});
    open();
    focus(nameField());
    type("x");
    EXPECT_TRUE(widget<RecordBar>("DBNavigator1")->run(RecordBar::Post));
    focus(codeField());
    type("02");
    EXPECT_FALSE(widget<RecordBar>("DBNavigator1")->run(RecordBar::Post));

    auto* list = widget<DatasetGrid>("DBGrid1");
    const QRect secondRow = list->visualRect(list->model()->index(1, 0));
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, secondRow.center());
    EXPECT_EQ(messages.shown, QStringList(2, "error:" + master().codeRegistered));
    EXPECT_EQ(list->currentIndex().row(), 0);
    EXPECT_EQ(dm1.table(master().table).text(master().codeColumn), "02");
    EXPECT_EQ(stored(QStringLiteral("SELECT COUNT(*) FROM %1 WHERE %2 = '02'")
                         .arg(master().table, master().codeColumn))
                  .toInt(),
              1);
}

INSTANTIATE_TEST_SUITE_P(StaffAndBranch, CodeMasterTest,
                         ::testing::Values(CodeMasterDescription::staff(),
                                           CodeMasterDescription::branch()),
                         [](const auto& info) { return info.param.table.toStdString(); });

}  // namespace
}  // namespace test
}  // namespace vantir
