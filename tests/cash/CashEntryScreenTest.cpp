#include <QDialog>
#include <QLineEdit>

#include "cash/screens/CashEntryScreen.h"
#include "platform/dataset/TableDataset.h"
#include "platform/ui/RecordBar.h"
#include "support/QtPrinters.h"
#include "support/ShownScreenTest.h"

namespace vantir {

// Names the twin in the test's output.
void PrintTo(const CashSide* side, std::ostream* out) { *out << side->table.toStdString(); }

namespace test {
namespace {

// Every case runs on both twins unless it is about one side's own rule.
class CashEntryScreenTest : public ShownScreenTest,
                            public ::testing::WithParamInterface<const CashSide*> {
  protected:
    const CashSide& side() const { return *GetParam(); }
    TableDataset& table() const { return dm1.table(side().table); }
    QString text(const QString& name) const { return widget<QLineEdit>(name)->text(); }
    QString current(const QString& column) const {
        return table().isOpen() ? table().text(column) : QString("<closed>");
    }

    void open(const QString& workingDate = {}) {
        show(std::make_unique<CashEntryScreen>(side(), dm1, handBacks, messages, settingDate,
                                               workingDate,
                                               [this](const QString& name) { opened << name; }));
    }
    // The date bar as the user keys it, each box left with Enter.
    void setDate(const QString& yy, const QString& mm, const QString& dd) {
        typeInto("EditH1", yy);
        press(Qt::Key_Return);
        typeInto("EditH2", mm);
        press(Qt::Key_Return);
        typeInto("EditH3", dd);
        press(Qt::Key_Return);
    }
    // The cursor into a field and its text rubbed out as the user does it.
    void erase(const QString& name) {
        focus(name);
        widget<QLineEdit>(name)->selectAll();
        press(Qt::Key_Backspace);
    }
    // "&A 追加" as the keyboard gives it: the cursor stays where it was.
    void append() { ASSERT_TRUE(widget<RecordBar>("DBNavigator1")->run(RecordBar::Insert)); }
    void post() { ASSERT_TRUE(widget<RecordBar>("DBNavigator1")->run(RecordBar::Post)); }
    void seedPartners() {
        seedRows(dm1.database(), "HIMAS3",
                 {{{"KCODE", "000012"}, {"YCODE", "000345"}, {"KNAME", "丸山運送"}},
                  {{"KCODE", "000345"}, {"YCODE", "000012"}, {"KNAME", "青木商事"}}});
    }
    QString partnerField() const { return "Edit" + side().partnerCode; }
    QString nameField() const { return "Edit" + side().partnerName; }
    QString amountField() const { return "Edit" + side().amount; }

    HandBacks handBacks;
    QString settingDate;
    QStringList opened;
};

TEST_P(CashEntryScreenTest, NumbersFollowTheHighestStoredNumber) {
    struct Case {
        int stored;  // receipts numbered 1 to stored
        QString next;
    };
    for (const Case& c : {Case{0, "1"}, Case{10, "11"}}) {
        SCOPED_TRACE(c.stored);
        QList<SeedRow> rows;
        for (int n = 1; n <= c.stored; ++n) rows.append({{"CODE", QString::number(n)}});
        dm1.database().connection().execute("DELETE FROM " + side().table);
        seedRows(dm1.database(), side().table, rows);
        open();
        append();
        focus("EditCODE");
        EXPECT_EQ(text("EditCODE"), c.next);
        screen.reset();
    }
}

TEST_P(CashEntryScreenTest, AReceiptNeedsItsNumberAPaymentDoesNot) {
    open();
    setDate("24", "03", "15");
    append();
    erase("EditCODE");
    press(Qt::Key_Return);
    EXPECT_EQ(focusName(), side().numberRequired ? "EditCODE" : "EditSEKBN");
}

// A payment may be left without a number, which receipts never are.
using PaymentEntryTest = CashEntryScreenTest;

TEST_P(PaymentEntryTest, APaymentLeftWithoutANumberDoesNotStopTheNumbering) {
    open();
    setDate("24", "03", "15");
    append();
    post();
    EXPECT_EQ(stored("SELECT COUNT(*) FROM HITRAN3 WHERE CODE IS NULL").toInt(), 1);
    seedRows(dm1.database(), "HITRAN3", {{{"CODE", "7"}}});
    table().refresh();
    append();
    focus("EditCODE");
    EXPECT_EQ(text("EditCODE"), "8");
}

TEST_P(CashEntryScreenTest, TheDateBarTellsWhatIsWrongAndKeepsTheSettingDate) {
    struct Case {
        const char* name;
        QString yy, mm, dd;
        QStringList shown;
    };
    const QString twoDigits = "notice:西暦年を２桁で入力して下さい。";
    const QString wrong = "notice:入力間違いです。";
    for (const Case& c :
         {Case{"EmptyYear", "", "03", "15", {twoDigits}},
          Case{"Month13", "24", "13", "15", {wrong}}, Case{"Month0", "24", "0", "15", {wrong}},
          Case{"Day0", "24", "03", "0", {wrong}}, Case{"Day32", "24", "03", "32", {wrong}},
          Case{"DayLetters", "24", "03", "x", {"notice:'0x' は整数ではありません"}}}) {
        SCOPED_TRACE(c.name);
        settingDate = "24/01/01";
        messages.shown.clear();
        open();
        if (c.yy.isEmpty()) widget<QLineEdit>("EditH1")->clear();
        setDate(c.yy, c.mm, c.dd);
        EXPECT_EQ(messages.shown, c.shown);
        if (QString(c.name).startsWith("Day")) EXPECT_EQ(settingDate, "24/01/01");
        screen.reset();
    }
}

TEST_P(CashEntryScreenTest, ADayOfThirtyOneIsTakenInFebruaryAndOneDigitIsFilled) {
    seedRows(dm1.database(), side().table,
             {{{"CODE", "1"}, {"HYMD", "24/02/05"}}, {{"CODE", "2"}, {"HYMD", "24/02/06"}}});
    open();
    setDate("24", "02", "31");
    EXPECT_TRUE(messages.shown.isEmpty());
    EXPECT_EQ(settingDate, "24/02/31");
    EXPECT_EQ(table().recordCount(), 0);
    EXPECT_EQ(focusName(), "EditHYMD");
    setDate("24", "2", "5");
    EXPECT_EQ(text("EditH2"), "02");
    EXPECT_EQ(text("EditH3"), "05");
    EXPECT_EQ(table().recordCount(), 1);
    EXPECT_EQ(current("CODE"), "1");
}

TEST_P(CashEntryScreenTest, NewRecordsTakeTheSettingDate) {
    open();
    setDate("24", "03", "15");
    append();
    focus("EditHYMD");
    focus("EditTHYMD");
    EXPECT_EQ(current("HYMD"), "24/03/15");
    EXPECT_EQ(current("THYMD"), "24/03/15");
}

TEST_P(CashEntryScreenTest, TheKindDecidesTheDateTheRecordCountsOn) {
    open();
    setDate("24", "03", "30");
    append();
    table().setValue("HYMD", "24/03/30");
    table().setValue("THYMD", "24/04/01");
    typeInto("EditSEKBN", "1");
    press(Qt::Key_Return);
    EXPECT_EQ(current("DDAY"), "24/04/01");
    erase("EditSEKBN");
    typeInto("EditSEKBN", "0");
    press(Qt::Key_Return);
    EXPECT_EQ(current("DDAY"), "24/03/30");
    // An empty kind becomes normal.
    erase("EditSEKBN");
    typeInto("EditSEKBN", "");
    press(Qt::Key_Return);
    EXPECT_EQ(current("SEKBN"), "0");
}

TEST_P(CashEntryScreenTest, PartnerCodesAreFilledAndBringTheirNames) {
    seedPartners();
    open();
    setDate("24", "03", "15");
    append();
    // The customer 000012 and the carrier 000345 are both 丸山運送.
    const QString typed = side().partnerCode == "KCODE" ? "12" : "345";
    typeInto(partnerField(), typed);
    press(Qt::Key_Return);
    EXPECT_EQ(current(side().partnerCode), side().partnerCode == "KCODE" ? "000012" : "000345");
    EXPECT_EQ(current(side().partnerName), "丸山運送");
    // One character stays as typed and, with no partner, empties the name.
    erase(partnerField());
    type("7");
    press(Qt::Key_Return);
    EXPECT_EQ(current(side().partnerCode), "7");
    EXPECT_EQ(current(side().partnerName), "");
    EXPECT_FALSE(table().isNull(side().partnerName));
}

TEST_P(CashEntryScreenTest, TheStaffNameFollowsTheCodeAlsoOnAnotherRecord) {
    seedRows(dm1.database(), "HIMAS2", {{{"TANCOD", "01"}, {"TANMEI", "山田"}}});
    seedRows(dm1.database(), side().table,
             {{{"CODE", "1"}, {"HYMD", "24/03/15"}, {"TANCOD", "01"}, {"TANMEI", "旧姓"}}});
    open();
    // The receipt comes into view with the name the staff master no longer has.
    EXPECT_TRUE(table().isEditing());
    EXPECT_EQ(current("TANMEI"), "山田");
    // A code no staff member has leaves the name.
    erase("EditTANCOD");
    type("9");
    EXPECT_EQ(current("TANCOD"), "9");
    EXPECT_EQ(current("TANMEI"), "山田");
}

TEST_P(CashEntryScreenTest, PlusAndMinusMoveAndAreNeverTyped) {
    open();
    setDate("24", "03", "15");
    append();
    typeInto(amountField(), "12-");
    EXPECT_EQ(focusName(), "Edit" + side().partnerName);
    type("+");
    EXPECT_EQ(focusName(), amountField());
    EXPECT_EQ(text(amountField()), "12");
}

TEST_P(CashEntryScreenTest, ThePartnerSearchHandsItsCodeBack) {
    seedPartners();
    open();
    setDate("24", "03", "15");
    append();
    QTest::mouseDClick(widget(nameField()), Qt::LeftButton);
    EXPECT_EQ(opened, QStringList{side().partnerSearch});
    ASSERT_TRUE(handBacks.handBack(side().entryMode, side().partnerHandBack, "000012"));
    EXPECT_EQ(current(side().partnerCode), "000012");
    EXPECT_EQ(focusName(), partnerField());
}

TEST_P(CashEntryScreenTest, TheSettingDateOutlivesTheScreen) {
    open();
    setDate("24", "03", "15");
    screen.reset();
    open();
    EXPECT_EQ(text("EditH1") + text("EditH2") + text("EditH3"), "240315");
    EXPECT_EQ(focusName(), "EditH1");
    screen.reset();
    open("24/05/20");
    EXPECT_EQ(settingDate, "24/05/20");
    EXPECT_EQ(text("EditH3"), "20");
}

TEST_P(CashEntryScreenTest, TheSearchListBringsOneRecordAlone) {
    seedRows(dm1.database(), side().table,
             {{{"CODE", "1"}, {"HYMD", "24/03/15"}},
              {{"CODE", "2"}, {"HYMD", "24/03/15"}},
              {{"CODE", "3"}, {"HYMD", "24/03/16"}}});
    open();
    setDate("24", "03", "15");
    ASSERT_EQ(table().recordCount(), 2);
    QTest::mouseClick(widget("btnSearch"), Qt::LeftButton);
    auto* list = widget<QDialog>("CashSearchList");
    ASSERT_TRUE(list->isVisible());
    EXPECT_EQ(list->windowTitle(), side().searchCaption);
    // Newest number first: the first row is number 2.
    QTest::mouseClick(childNamed(*list, "btnOk"), Qt::LeftButton);
    EXPECT_FALSE(list->isVisible());
    EXPECT_EQ(table().recordCount(), 1);
    EXPECT_EQ(current("CODE"), "2");
}

INSTANTIATE_TEST_SUITE_P(Twins, CashEntryScreenTest,
                         ::testing::Values(&CashSide::receipts(), &CashSide::payments()),
                         [](const auto& info) { return info.param->entryMode.toStdString(); });
INSTANTIATE_TEST_SUITE_P(Payments, PaymentEntryTest, ::testing::Values(&CashSide::payments()),
                         [](const auto& info) { return info.param->entryMode.toStdString(); });

}  // namespace
}  // namespace test
}  // namespace vantir
