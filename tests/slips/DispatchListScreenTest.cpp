#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "data/HandBacks.h"
#include "platform/dataset/TableDataset.h"
#include "platform/db/Connection.h"
#include "platform/db/Statement.h"
#include "platform/db/TransactionGuard.h"
#include "platform/ui/PanelList.h"
#include "slips/screens/DispatchListScreen.h"
#include "slips/screens/SlipCorrectionScreen.h"
#include "support/FixedToday.h"
#include "support/QtPrinters.h"
#include "support/ShownScreenTest.h"

namespace vantir::test {
namespace {

const QString kDiscardQuestion =
    QStringLiteral("question:登録変更:データが変更されています、取消して良いですか。？");

// The dispatch list with its inquiry correction as the menu opens them on 15 June 2026,
// under the list's mode name, over a customer and a few slips of May.
class DispatchListScreenTest : public ShownScreenTest {
  protected:
    void SetUp() override {
        appState.EditPName = DispatchListRules::kModeName;
        seedRows(dm1.database(), "HIMAS3", {{{"KCODE", "000012"}, {"KNAME", "丸山運送"}}});
        seedRows(dm1.database(), "HITRAN1",
                 {{{"CODE", "1"}, {"HYMD", "26/05/02"}, {"KCODE", "000012"}},
                  {{"CODE", "1234"}, {"HYMD", "26/05/20"}, {"UKING", "50000"}},
                  {{"CODE", "2"}, {"HYMD", "26/05/21"}, {"KCODE", "000012"}},
                  {{"CODE", "3"}, {"HYMD", "26/06/01"}, {"KCODE", "000012"}},
                  {{"CODE", "    77"}, {"HYMD", "24/12/01"}}});
    }
    void open() {
        SearchDialogs searches{[](const QString&) { return true; },
                               [this](const QString& name) { shownSearches << name; }};
        inquiry = std::make_unique<SlipCorrectionScreen>(
            SlipFormDescription::inquiry(), dm1, hookTargets, handBacks, searches, messages);
        show(std::make_unique<DispatchListScreen>(dm1, handBacks, receiptDate, *inquiry, searches,
                                                  messages));
    }
    void TearDown() override {
        screen.reset();
        inquiry.reset();
    }
    QString text(const QString& field) const { return widget<QLineEdit>(field)->text(); }
    QString inquiryText(const QString& field) const {
        return childNamed<QLineEdit>(*inquiry, field)->text();
    }
    bool inquiryEnabled(const QString& button) const {
        return childNamed<QPushButton>(*inquiry, button)->isEnabled();
    }
    void click(const QString& button) { QTest::mouseClick(widget(button), Qt::LeftButton); }
    // The numbers of the slips the panels show, the empty panels left out.
    QStringList shownCodes() const {
        QStringList codes;
        for (int panel = 0; panel < DispatchListScreen::kPanelCount; ++panel) {
            const QString code = text(QStringLiteral("CODE_%1").arg(panel));
            if (widget(QStringLiteral("panel_%1").arg(panel))->isEnabled()) codes << code;
        }
        return codes;
    }
    // The slip of that number made the list's current one, then "日報訂正".
    void openInquiryOn(const QString& code) {
        ASSERT_TRUE(dm1.table("HIT1Rep").locate("CODE", code));
        click("btnEdit");
        ASSERT_TRUE(inquiry->isVisible());
        ASSERT_TRUE(QTest::qWaitForWindowActive(inquiry.get()));
    }
    QVariant storedOf(const char* column, const char* code) {
        return stored(QStringLiteral("SELECT %1 FROM HITRAN1 WHERE CODE = '%2'")
                          .arg(QLatin1String(column), QLatin1String(code)));
    }

    FixedToday today{"2026-06-15"};
    HandBacks handBacks;
    QString receiptDate;
    QStringList shownSearches;
    std::unique_ptr<SlipCorrectionScreen> inquiry;
};

// Opened on 15 June: the range is May, every slip is listed until the first search, and
// the search kind is the customer with its name box.
TEST_F(DispatchListScreenTest, OpensOnThePreviousMonthListingEverySlip) {
    open();
    EXPECT_EQ(screen->windowTitle(), "配車一覧");
    EXPECT_EQ(widget<QDateEdit>("DateTimePicker1")->date(), QDate(2026, 5, 1));
    EXPECT_EQ(widget<QDateEdit>("DateTimePicker2")->date(), QDate(2026, 5, 31));
    EXPECT_EQ(widget<QComboBox>("ComboBox1")->currentText(), "得意先");
    EXPECT_TRUE(widget("Edit2")->isVisible());
    EXPECT_EQ(shownCodes(), (QStringList{"    77", "1", "1234", "2", "3"}));
    EXPECT_FALSE(inquiry->isVisible());
    // The record bar offers append, delete, register and cancel.
    QStringList offered;
    for (QPushButton* button : widget("DBNavigator1")->findChildren<QPushButton*>()) {
        if (button->isVisible()) offered << button->text();
    }
    EXPECT_EQ(offered, (QStringList{"&A 追加", "&D 削除", "&O 登録", "&C 取消"}));
}

// Amounts on green, the receipt date on yellow, the names on sky blue; the other boxes
// keep the usual ground.
TEST_F(DispatchListScreenTest, PanelsShowThreeLinesInTheirColours) {
    open();
    const auto ground = [this](const char* box) {
        return widget(QString::fromLatin1(box))->palette().color(QPalette::Base);
    };
    const QColor plain = ground("HATTI_0");
    for (const char* box : {"UKING_0", "YKING_7", "SKING_3", "UHIYO_0", "SHIYO_0"})
        EXPECT_EQ(ground(box).name(), "#c0f0c0") << box;
    EXPECT_EQ(ground("CHKDAY_0").name(), "#ffffa0");
    for (const char* box : {"KNAME_0", "YNAME_0"}) EXPECT_EQ(ground(box).name(), "#a6caf0") << box;
    for (const char* box : {"CODE_0", "KCODE_0", "SHBAN_0", "TANMEI_0"})
        EXPECT_EQ(ground(box), plain) << box;
    EXPECT_EQ(screen->findChild<QWidget*>("panel_8"), nullptr);
    // "&T 配送日付" takes the cursor to the top slip's dispatch date.
    QWidget* buddy = nullptr;
    for (QLabel* title : screen->findChildren<QLabel*>("panelTitle")) {
        if (title->text() == "&T 配送日付") buddy = title->buddy();
    }
    EXPECT_EQ(buddy, widget("HYMD_0"));
}

// The name box is there for customers and carriers only; changing the kind empties the
// value and the name.
TEST_F(DispatchListScreenTest, TheKindDecidesTheNameBox) {
    open();
    auto* kind = widget<QComboBox>("ComboBox1");
    for (const auto& [index, named] : {std::pair{2, false}, {3, false}, {1, true}, {0, true}}) {
        widget<QLineEdit>("Edit1")->setText("12");
        kind->setCurrentIndex(index);
        EXPECT_EQ(widget("Edit2")->isVisible(), named) << index;
        EXPECT_EQ(text("Edit1"), "") << index;
    }
}

// "検索実行" takes the value as its leave logic leaves it: zero-filled and named.
TEST_F(DispatchListScreenTest, SearchZeroFillsTheCustomerAndListsTheirSlipsOfTheRange) {
    open();
    typeInto("Edit1", "12");
    click("btnSearch");
    EXPECT_EQ(text("Edit1"), "000012");
    EXPECT_EQ(text("Edit2"), "丸山運送");
    EXPECT_EQ(shownCodes(), (QStringList{"1", "2"}));
    click("btnReset");
    EXPECT_EQ(text("Edit1"), "");
    EXPECT_EQ(shownCodes().size(), 5);
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
}

// A receipt date typed into one slip fills the next slip's the moment the cursor enters
// it; a cleared one stops the repeating.
TEST_F(DispatchListScreenTest, TheReceiptDateRepeatsFromSlipToSlip) {
    open();
    typeInto("CHKDAY_1", "03/06/30");
    focus("CHKDAY_2");
    EXPECT_EQ(text("CHKDAY_2"), "03/06/30");
    EXPECT_EQ(storedOf("CHKDAY", "1").toString(), "03/06/30");
    widget<QLineEdit>("CHKDAY_2")->selectAll();
    press(Qt::Key_Delete);
    focus("CHKDAY_3");
    EXPECT_EQ(text("CHKDAY_3"), "");
    EXPECT_EQ(receiptDate, "");
}

// Eight slips a page: scrolling shows the next eight, and only the slips shown are read.
TEST_F(DispatchListScreenTest, PagesThroughTheRowIdsEightSlipsAtATime) {
    {
        Connection& connection = dm1.database().connection();
        TransactionGuard guard(connection);
        Statement insert =
            connection.prepare("INSERT INTO HITRAN1 (HYMD, CODE) VALUES ('26/05/10', :CODE)");
        for (int i = 0; i < 5000; ++i) {
            insert.bind("CODE", QString::number(100000 + i));
            insert.step();
            insert.reset();
        }
        guard.commit();
    }
    open();
    auto& slips = dm1.table("HIT1Rep");
    EXPECT_LE(slips.rowsFetched(), 32);
    auto* list = widget<PanelList>("DBCtrlGrid1");
    list->scrollTo(8);
    // Two slips sort before the numbers from 100000 on.
    EXPECT_EQ(shownCodes(), (QStringList{"100006", "100007", "100008", "100009", "100010", "100011",
                                         "100012", "100013"}));
    list->scrollTo(4000);
    EXPECT_EQ(text("CODE_0"), "103998");
    EXPECT_LE(slips.rowsFetched(), 3 * 32);
}

// "日報訂正" shows the list's slip in the inquiry, the cursor on its dispatch date. No
// record hook serves it: register and cancel stay disabled and delete enabled whatever the
// slip does, while F1 still registers; the list shows the change once the inquiry closes.
TEST_F(DispatchListScreenTest, TheInquiryShowsTheListsSlipWithItsButtonsLeftAlone) {
    open();
    openInquiryOn("1234");
    EXPECT_EQ(inquiry->windowTitle(), "配車票訂正");
    EXPECT_EQ(inquiryText(SlipCorrectionScreen::kNumberBox), "1234");
    EXPECT_EQ(inquiryText("EditCODE"), "1234");
    EXPECT_EQ(inquiryText("EditUKING"), "50000");
    EXPECT_EQ(focusName(), "EditHYMD");
    EXPECT_EQ(inquiry->findChild<QPushButton*>("btnAppend"), nullptr);
    const auto buttons = [this] {
        return std::tuple{inquiryEnabled("btnPost"), inquiryEnabled("btnCancel"),
                          inquiryEnabled("btnDelete")};
    };
    EXPECT_EQ(buttons(), std::tuple(false, false, true));
    childNamed<QWidget>(*inquiry, "EditUKING")->setFocus(Qt::TabFocusReason);
    type("9");
    EXPECT_TRUE(dm1.table("HITRAN1").isEditing());
    EXPECT_EQ(buttons(), std::tuple(false, false, true));
    EXPECT_EQ(hookTargets.find("NippoEdit"), nullptr);
    press(Qt::Key_F1);
    EXPECT_EQ(storedOf("UKING", "1234").toLongLong(), 9);
    EXPECT_EQ(buttons(), std::tuple(false, false, true));

    inquiry->close();
    EXPECT_FALSE(dm1.table("HITRAN1").isOpen());
    const int panel = widget<PanelList>("DBCtrlGrid1")->currentPanel();
    EXPECT_EQ(text(QStringLiteral("UKING_%1").arg(panel)).remove(u','), "9");
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
}

// The number box shows the list's number as a whole number; the slip loaded is the one
// with the list's number as stored, spaces in front and all. The inquiry opened a second
// time shows the list's slip of then.
TEST_F(DispatchListScreenTest, TheInquiryShowsASlipKeptWithSpacesAndFollowsTheList) {
    open();
    openInquiryOn("    77");
    EXPECT_EQ(inquiryText(SlipCorrectionScreen::kNumberBox), "77");
    EXPECT_EQ(inquiryText("EditCODE"), "    77");
    inquiry->close();
    screen->activateWindow();
    openInquiryOn("2");
    EXPECT_EQ(inquiryText("EditCODE"), "2");
    inquiry->close();
    EXPECT_FALSE(dm1.table("HITRAN1").isOpen()) << "closed again on the second close";
}

// A list without slips gives the number 0 and an empty form; a number that is not a
// whole number is refused with the conversion error and loads nothing.
TEST_F(DispatchListScreenTest, TheInquiryOfNoSlipOrOfNoWholeNumberIsEmpty) {
    seedRows(dm1.database(), "HITRAN1", {{{"CODE", "A1"}, {"HYMD", "26/05/03"}}});
    open();
    openInquiryOn("A1");
    EXPECT_EQ(messages.shown, QStringList{"error:'A1' は整数ではありません"});
    EXPECT_EQ(inquiryText("EditCODE"), "");
    inquiry->close();

    widget<QComboBox>("ComboBox1")->setCurrentIndex(3);
    widget<QLineEdit>("Edit1")->setText("999");
    click("btnSearch");
    click("btnEdit");
    EXPECT_EQ(inquiryText(SlipCorrectionScreen::kNumberBox), "0");
    EXPECT_EQ(inquiryText("EditCODE"), "");
}

// Back into the number box with a change pending asks as the entry's set date does: No
// keeps the slip and its change. Closing by the frame with a change pending is refused as
// "&Q 閉じる" refuses it. Leaving the number box loads nothing.
TEST_F(DispatchListScreenTest, TheInquiryKeepsAChangeUntilTheUserDropsIt) {
    open();
    openInquiryOn("1234");
    childNamed<QWidget>(*inquiry, "EditBIKO")->setFocus(Qt::TabFocusReason);
    type("x");
    messages.answers = {false};
    childNamed<QWidget>(*inquiry, SlipCorrectionScreen::kNumberBox)->setFocus(Qt::TabFocusReason);
    QCoreApplication::processEvents();
    EXPECT_EQ(messages.shown, QStringList{kDiscardQuestion});
    EXPECT_EQ(inquiryText("EditBIKO"), "x");
    EXPECT_EQ(focusName(), "EditHYMD");

    messages.shown.clear();
    inquiry->close();
    EXPECT_TRUE(inquiry->isVisible());
    EXPECT_EQ(messages.shown,
              QStringList{"notice:データが変更されています。\n登録か取消を押して下さい。"});

    messages.shown.clear();
    messages.answers = {true};
    childNamed<QWidget>(*inquiry, SlipCorrectionScreen::kNumberBox)->setFocus(Qt::TabFocusReason);
    EXPECT_EQ(inquiryText("EditCODE"), "");
    type("2");
    press(Qt::Key_Return);
    EXPECT_EQ(inquiryText("EditCODE"), "") << "the number box loads nothing";
    EXPECT_TRUE(storedOf("BIKO", "1234").isNull());
    EXPECT_EQ(messages.shown, QStringList{kDiscardQuestion});
}

// Under the list's mode the customer search fills the list's search value, not the slip
// shown in the inquiry; the name box opens the search of the kind.
TEST_F(DispatchListScreenTest, SearchesHandTheirCodeToTheListsSearchValue) {
    open();
    QTest::mouseDClick(widget("Edit2"), Qt::LeftButton);
    widget<QComboBox>("ComboBox1")->setCurrentIndex(1);
    QTest::mouseDClick(widget("Edit2"), Qt::LeftButton);
    EXPECT_EQ(shownSearches, (QStringList{"CustomerSearch", "CarrierSearch"}));
    widget<QComboBox>("ComboBox1")->setCurrentIndex(0);

    openInquiryOn("1");
    EXPECT_FALSE(handBacks.handBack("RepNippo", HandBack::CustomerCode, "000012"));
    ASSERT_TRUE(handBacks.handBack("RepNippo", HandBack::SearchValue, "000012"));
    EXPECT_EQ(text("Edit1"), "000012");
    EXPECT_EQ(text("Edit2"), "丸山運送");
    EXPECT_EQ(inquiryText("EditKCODE"), "000012");
    EXPECT_FALSE(dm1.table("HITRAN1").isEditing());
}

}  // namespace
}  // namespace vantir::test
