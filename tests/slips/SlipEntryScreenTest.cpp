#include <QLineEdit>
#include <QPushButton>

#include "data/HandBacks.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/dataset/TableDataset.h"
#include "slips/screens/SlipEntryScreen.h"
#include "support/QtPrinters.h"
#include "support/ShownScreenTest.h"

namespace vantir::test {
namespace {

// The slip entry as the main menu opens it, with one customer, one carrier and one
// staff member, and a slip of the day before.
class SlipEntryScreenTest : public ShownScreenTest {
  protected:
    void SetUp() override {
        appState.EditPName = SlipEntryRules::kModeName;
        appState.EditDate = QStringLiteral("03/05/20");
        seedRows(dm1.database(), "HIMAS3",
                 {{{"KCODE", "000012"}, {"KNAME", "丸山運送"}, {"YCODE", "000012"}},
                  {{"KCODE", "000034"}, {"KNAME", "北斗物流"}, {"YCODE", "000034"}}});
        seedRows(dm1.database(), "HIMAS2", {{{"TANCOD", "01"}, {"TANMEI", "山田"}}});
        seedRows(dm1.database(), "HITRAN1", {{{"HYMD", "03/05/19"}, {"CODE", "9"}}});
        // Only the customer search is there.
        SearchDialogs searches{
            [](const QString& name) { return name != QLatin1String("CarrierSearch"); },
            [this](const QString& name) { shownSearches << name; }};
        show(std::make_unique<SlipEntryScreen>(dm1, hookTargets, handBacks, appState, searches,
                                               messages));
    }
    QString text(const QString& field) const { return widget<QLineEdit>(field)->text(); }
    bool enabled(const QString& button) const { return widget<QPushButton>(button)->isEnabled(); }
    void enter(const QString& typed = {}) {
        type(typed);
        press(Qt::Key_Return);
    }

    HandBacks handBacks;
    QStringList shownSearches;
};

// A whole slip from the year box to F1 with Enter only: the set date fills the dates,
// the number follows the greatest, the billing date follows the kind, the codes are
// filled and named, empty amounts become 0 and the zero carrier total is worked out.
TEST_F(SlipEntryScreenTest, WholeSlipWithEnterOnly) {
    EXPECT_EQ(focusName(), "EditH1");
    EXPECT_EQ(text("EditH3"), "20");  // the picked date
    for (const char* box : {"EditH1", "EditH2", "EditH3"}) widget<QLineEdit>(box)->clear();
    enter("03");
    enter("5");
    EXPECT_EQ(text("EditH2"), "05");
    enter("20");
    EXPECT_EQ(focusName(), "EditHYMD");
    press(Qt::Key_F3);
    EXPECT_EQ(focusName(), "EditHYMD");
    EXPECT_EQ(text("EditHYMD"), "03/05/20");
    enter();
    EXPECT_EQ(text("EditTHYMD"), "03/05/20");
    enter();
    EXPECT_EQ(text("EditCODE"), "10");
    enter();  // CODE
    enter();  // SEKBN
    EXPECT_EQ(focusName(), "EditDDAY");
    EXPECT_EQ(text("EditDDAY"), "03/05/20");
    enter();
    enter("12");
    EXPECT_EQ(text("EditKCODE"), "000012");
    EXPECT_EQ(text("EditKNAME"), "丸山運送");
    EXPECT_EQ(focusName(), "EditHATTI");
    enter();  // the first slip: nothing to repeat
    EXPECT_EQ(focusName(), "EditHATTI");
    for (const char* typed : {"東京", "大阪", "10", "50000", "34", "12", "30000", ""}) {
        enter(QString::fromUtf8(typed));
    }
    EXPECT_EQ(text("EditYNAME"), "北斗物流");
    EXPECT_EQ(text("EditSKING"), "0");
    EXPECT_EQ(focusName(), "EditTANCOD");
    enter("01");
    EXPECT_EQ(text("EditTANMEI"), "山田");
    for (const char* typed : {"定期", "", "2000"}) enter(QString::fromUtf8(typed));
    EXPECT_EQ(text("EditUHIYO"), "0");
    EXPECT_EQ(text("EditSKING"), "32000");
    press(Qt::Key_F1);

    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
    EXPECT_EQ(stored("SELECT HYMD || THYMD || CODE || SEKBN || DDAY || KCODE || KNAME || "
                     "HATTI || THTTI || TON || UKING || YCODE || YNAME || SHBAN || YKING || "
                     "SKING || TANCOD || TANMEI || BIKO || UHIYO || SHIYO FROM HITRAN1 "
                     "WHERE CODE = '10'")
                  .toString(),
              "03/05/2003/05/2010003/05/20000012丸山運送東京大阪1050000000034北斗物流1230000"
              "3200001山田定期02000");
    EXPECT_TRUE(enabled("btnAppend"));
    EXPECT_FALSE(enabled("btnPost"));
}

// Page Up walks back one step, from the carrier total to the fee; the names move like
// their codes.
TEST_F(SlipEntryScreenTest, PageUpAndNamesMovingLikeTheirCodes) {
    focus("EditSKING");
    press(Qt::Key_PageUp);
    EXPECT_EQ(focusName(), "EditYKING");
    focus("EditYNAME");
    press(Qt::Key_PageUp);
    EXPECT_EQ(focusName(), "EditUKING");
    focus("EditKNAME");
    press(Qt::Key_PageDown);
    EXPECT_EQ(focusName(), "EditHATTI");
    focus("EditH1");
    press(Qt::Key_PageUp);
    EXPECT_EQ(focusName(), "EditH1");
}

// The buttons follow the slip through the record hooks; F9 cancels.
TEST_F(SlipEntryScreenTest, ButtonsFollowTheHooks) {
    EXPECT_FALSE(enabled("btnPost"));
    EXPECT_FALSE(enabled("btnCancel"));
    EXPECT_TRUE(enabled("btnAppend"));
    press(Qt::Key_F3);
    EXPECT_TRUE(enabled("btnPost"));
    EXPECT_TRUE(enabled("btnCancel"));
    EXPECT_FALSE(enabled("btnAppend"));
    EXPECT_FALSE(enabled("btnDelete"));
    press(Qt::Key_F9);
    EXPECT_FALSE(enabled("btnPost"));
    EXPECT_TRUE(enabled("btnDelete"));
}

// Closing by the frame with a change pending is refused as the close button refuses it.
TEST_F(SlipEntryScreenTest, FrameCloseWithAPendingChangeStaysOpen) {
    typeInto("EditBIKO", "x");
    screen->close();
    EXPECT_TRUE(screen->isVisible());
    EXPECT_EQ(messages.shown,
              QStringList{"notice:データが変更されています。\n登録か取消を押して下さい。"});
    press(Qt::Key_F9);
    screen->close();
    EXPECT_FALSE(screen->isVisible());
}

// An amount that is not a whole number is refused with the field's message, the typed
// text kept and the cursor in the field.
TEST_F(SlipEntryScreenTest, AmountNotAWholeNumberIsRefused) {
    typeInto("EditUKING", "12a");
    press(Qt::Key_Return);
    EXPECT_EQ(focusName(), "EditUKING");
    EXPECT_EQ(text("EditUKING"), "12a");
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown.first().contains("UKING")) << messages.shown.first().toStdString();
}

// Tab reaches the names Enter passes over, passes over DDAY, the staff name and the
// billing-kind drop-down, and ends on the staff drop-down.
TEST_F(SlipEntryScreenTest, TabOrderDiffersFromEnter) {
    const QStringList order{"EditH1",    "EditH2",     "EditH3",     "EditHYMD",   "EditTHYMD",
                            "EditCODE",  "EditSEKBN",  "EditKCODE",  "EditKNAME",  "EditHATTI",
                            "EditTHTTI", "EditTON",    "EditUKING",  "EditYCODE",  "EditYNAME",
                            "EditSHBAN", "EditYKING",  "EditSKING",  "EditTANCOD", "EditBIKO",
                            "EditUHIYO", "EditSHIYO",  "EditSUB1",   "EditINKING", "EditINSKING",
                            "EditSUBM",  "EditCHKDAY", "ComboTANCOD"};
    QStringList walked{focusName()};
    for (int i = 1; i < order.size(); ++i) {
        press(Qt::Key_Tab);
        walked << focusName();
    }
    EXPECT_EQ(walked, order);
}

// A double-click on a sky-blue name opens its search when it is there; the slip search
// lists the set date's slips.
TEST_F(SlipEntryScreenTest, NamesAndButtonOpenTheSearches) {
    QTest::mouseDClick(widget("EditKNAME"), Qt::LeftButton);
    QTest::mouseDClick(widget("EditYNAME"), Qt::LeftButton);
    widget<QPushButton>("btnSearch")->click();
    EXPECT_EQ(shownSearches, QStringList({"CustomerSearch", "SlipSearch"}));
    EXPECT_EQ(dm1.query("Q_HIT1SK").sql().value(1), "WHERE HYMD = '03/05/20'");
}

// A customer search hands its code back: the slip takes it and the cursor goes there.
TEST_F(SlipEntryScreenTest, CustomerCodeHandedBack) {
    ASSERT_TRUE(handBacks.handBack(SlipEntryRules::kModeName, HandBack::CustomerCode, "34"));
    EXPECT_EQ(text("EditKCODE"), "34");
    EXPECT_EQ(focusName(), "EditKCODE");
    EXPECT_TRUE(enabled("btnPost"));
}

}  // namespace
}  // namespace vantir::test
