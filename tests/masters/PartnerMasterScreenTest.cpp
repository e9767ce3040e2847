#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

#include "masters/screens/PartnerMasterScreen.h"
#include "platform/dataset/TableDataset.h"
#include "platform/ui/DatasetGrid.h"
#include "platform/ui/RecordBar.h"
#include "support/ShownScreenTest.h"

namespace vantir::test {
namespace {

// The partner master as the main menu opens it, under its mode, with two partners.
class PartnerShownScreenTest : public ShownScreenTest {
  protected:
    void SetUp() override {
        appState.EditPName = QStringLiteral("Tokui_mas");
        seedRows(
            dm1.database(), "HIMAS3",
            {{{"KCODE", "000001"}, {"KNAME", "丸山運送"}, {"YCODE", "000001"}, {"KY_KBN", "1"}},
             {{"KCODE", "000007"}, {"KNAME", "北斗物流"}, {"YCODE", "000007"}, {"KY_KBN", "0"}}});
        show(std::make_unique<PartnerMasterScreen>(dm1, hookTargets, messages));
    }
    QString text(const QString& field) const { return widget<QLineEdit>(field)->text(); }
    RecordBar* bar() const { return widget<RecordBar>("DBNavigator1"); }
    TableDataset& partners() { return dm1.table("HIMAS3"); }
};

// A new partner typed from the first field: the kind left empty becomes "0", code "7"
// becomes "000007" but is registered, so the new partner is discarded; code "12" is new
// and becomes the carrier code as well.
TEST_F(PartnerShownScreenTest, NewPartnerFromTheKeyboard) {
    EXPECT_EQ(text("EditKCODE"), "000001");
    bar()->run(RecordBar::Insert);
    EXPECT_EQ(text("EditName"), "1");
    EXPECT_EQ(focusName(), "EditKY_KBN");
    press(Qt::Key_Return);
    EXPECT_EQ(text("EditKY_KBN"), "0");
    type("7");
    press(Qt::Key_Return);
    EXPECT_EQ(messages.shown, QStringList{"notice:取引先コードは登録済です。"});
    EXPECT_EQ(partners().state(), DatasetState::Browse);
    EXPECT_EQ(text("EditName"), "0");
    EXPECT_EQ(text("EditKCODE"), "000001");

    messages.shown.clear();
    bar()->run(RecordBar::Insert);
    press(Qt::Key_Return);
    type("12");
    press(Qt::Key_Return);
    EXPECT_EQ(text("EditKCODE"), "000012");
    type("abc");
    press(Qt::Key_Return);
    EXPECT_EQ(focusName(), "EditYCODE");
    EXPECT_EQ(text("EditYCODE"), "000012");
    ASSERT_TRUE(bar()->run(RecordBar::Post));

    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
    EXPECT_EQ(text("EditName"), "0");
    EXPECT_EQ(stored("SELECT YCODE || KY_KBN || KNAME FROM HIMAS3 WHERE KCODE = '000012'"),
              "0000120abc");
    EXPECT_EQ(text("EditKCODE"), "000012") << "the form shows the partner just saved";
}

// Enter and Tab walk the form in the same order, the branch drop-down passed over, the
// two code lists last; Shift+Enter walks back.
TEST_F(PartnerShownScreenTest, EnterAndTabOrder) {
    const QStringList order{"EditKY_KBN",   "EditKCODE", "EditKNAME", "EditYCODE",   "EditKANAMEI",
                            "EditTENCOD",   "EditKADD1", "EditKZIP",  "EditKADD2",   "EditKTEL",
                            "EditKFAX",     "EditSIME",  "EditSAIT",  "EditSIMEFLG", "EditBANK",
                            "EditSITEN",    "EditYKBUN", "EditKOZA",  "EditURIZAN",  "EditSIRZAN",
                            "ComboSIMEFLG", "ComboYKBUN"};
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Tab}) {
        focus(order.first());
        QStringList walked{focusName()};
        for (int i = 1; i < order.size(); ++i) {
            press(key);
            walked << focusName();
        }
        EXPECT_EQ(walked, order) << (key == Qt::Key_Tab ? "Tab" : "Enter");
    }
    press(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(focusName(), "ComboSIMEFLG");
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
}

// Deleting asks first; after it the list no longer holds the partner.
TEST_F(PartnerShownScreenTest, DeleteAsksAndTheListFollows) {
    const QAbstractItemModel* list = widget<DatasetGrid>("DBGrid1")->model();
    messages.answers = {false, true};
    EXPECT_FALSE(bar()->run(RecordBar::Delete));
    EXPECT_EQ(list->rowCount(), 2);
    EXPECT_TRUE(bar()->run(RecordBar::Delete));
    EXPECT_EQ(messages.shown, QStringList(2, "question:確認:レコードを削除してもよいですか？"));
    ASSERT_EQ(list->rowCount(), 1);
    EXPECT_EQ(list->index(0, 0).data().toString(), "000007");
    EXPECT_EQ(stored("SELECT COUNT(*) FROM HIMAS3").toInt(), 1);
}

// "*" and "/" walk the form and are never typed; "+" and "-" are ordinary characters.
TEST_F(PartnerShownScreenTest, StarAndSlashStepPlusAndMinusAreTyped) {
    focus("EditKNAME");
    type("A+B-C*");
    EXPECT_EQ(focusName(), "EditYCODE");
    type("/");
    EXPECT_EQ(focusName(), "EditKNAME");
    EXPECT_EQ(text("EditKNAME"), "A+B-C");
    EXPECT_EQ(text("EditYCODE"), "000001") << "an existing partner keeps its carrier code";
}

// A short code or a balance that is not a whole number is refused with its message; the
// cursor stays in the field with the text as typed.
TEST_F(PartnerShownScreenTest, NonNumericInputKeepsTheCursorAndTheText) {
    struct Case {
        const char* field;
        const char* typed;
        const char* shown;
    };
    const Case cases[] = {
        {"EditYCODE", "X1", "notice:'X1' は整数ではありません"},
        {"EditKCODE", "1-2", "notice:'1-2' は整数ではありません"},
        {"EditURIZAN", "1a", "error:'1a' は項目 'URIZAN' に適した整数値ではありません"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.field);
        messages.shown.clear();
        focus(c.field);
        type(c.typed);
        press(Qt::Key_Return);
        EXPECT_EQ(messages.shown, QStringList{c.shown});
        EXPECT_EQ(focusName(), c.field);
        EXPECT_EQ(text(c.field), c.typed);
        partners().cancel();
    }
}

// The filter box chooses the list; with no carrier at all the form shows no partner.
TEST_F(PartnerShownScreenTest, FilterBoxChoosesTheList) {
    const QAbstractItemModel* list = widget<DatasetGrid>("DBGrid1")->model();
    auto* filter = widget<QComboBox>("ComboBox1");
    EXPECT_EQ(filter->currentText(), "指定なし");
    EXPECT_EQ(list->rowCount(), 2);
    filter->setCurrentIndex(1);
    ASSERT_EQ(list->rowCount(), 1);
    EXPECT_EQ(list->index(0, 0).data().toString(), "000001");
    filter->setCurrentIndex(2);
    EXPECT_EQ(list->rowCount(), 0);
    EXPECT_EQ(text("EditKCODE"), "");
    EXPECT_EQ(text("EditKNAME"), "");
}

// An erased carrier code is stored as NULL once the record bar has the cursor.
TEST_F(PartnerShownScreenTest, ErasedCarrierCodeIsStoredAsNull) {
    focus("EditYCODE");
    press(Qt::Key_Delete);
    EXPECT_EQ(text("EditYCODE"), "");
    bar()->button(RecordBar::Post)->setFocus(Qt::TabFocusReason);
    ASSERT_TRUE(bar()->run(RecordBar::Post));
    EXPECT_TRUE(stored("SELECT YCODE FROM HIMAS3 WHERE KCODE = '000001'").isNull());
    EXPECT_EQ(stored("SELECT COUNT(*) FROM HIMAS3 WHERE YCODE IS NULL").toInt(), 1);
}

}  // namespace
}  // namespace vantir::test
