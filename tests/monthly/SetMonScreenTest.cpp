#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/rules/DateRuleMessages.h"
#include "monthly/rules/MonthlyMessages.h"
#include "monthly/screens/SetMonScreen.h"
#include "support/FixedToday.h"
#include "support/ShownScreenTest.h"

namespace vantir::test {
namespace {

// Today 26/12/09; one month-end customer with a slip in November.
class SetMonScreenTest : public ShownScreenTest {
  protected:
    void SetUp() override {
        for (Database* database : {&dm1.database(), &dm2.database()}) {
            seedRows(*database, "HIMAS3", {{{"KCODE", "000001"}, {"YCODE", "000001"},
                                            {"SIME", "99"}, {"SAIT", "30"}, {"SIMEFLG", "2"}}});
            seedRows(*database, "HITRAN1", {{{"CODE", "1"}, {"DDAY", "26/11/05"}, {"KCODE", "000001"},
                                             {"YCODE", "000001"}, {"UKING", 1000}, {"SKING", 600}}});
        }
    }
    void open() { show(std::make_unique<SetMonScreen>(dm1, dm2, appState, messages)); }
    QString text(const char* name) const { return widget<QLineEdit>(name)->text(); }
    void click(const char* name) const { widget<QPushButton>(name)->click(); }
    int stored(const char* table) {
        return ShownScreenTest::stored(QStringLiteral("SELECT COUNT(*) FROM ") + table).toInt();
    }

    FixedToday today{"2026-12-09"};
};

TEST_F(SetMonScreenTest, OpensOnTheOwnClosingDayAndLastMonth) {
    open();
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("月次集計"));
    EXPECT_EQ(widget<QLabel>("Label1")->text(), QStringLiteral("月次集計"));
    EXPECT_EQ(text("EditSime"), QStringLiteral("99"));
    EXPECT_EQ(text("EditMonth"), QStringLiteral("26/11"));
    EXPECT_EQ(widget<QPushButton>("btnSet")->text(), QStringLiteral("&S 実行"));
    EXPECT_EQ(widget<QPushButton>("btnClose")->focusPolicy(), Qt::ClickFocus);
    EXPECT_EQ(widget<QPushButton>("btnSirMoto")->text(), QStringLiteral("btnSirMoto"));
}

TEST_F(SetMonScreenTest, EnterAndPageKeysWalkTheFieldsAndAShortMonthKeepsTheCursor) {
    open();
    focus("EditSime");
    press(Qt::Key_Return);
    EXPECT_EQ(focusName(), QStringLiteral("EditMonth"));
    press(Qt::Key_PageUp);
    EXPECT_EQ(focusName(), QStringLiteral("EditSime"));
    press(Qt::Key_PageDown);
    EXPECT_EQ(focusName(), QStringLiteral("EditMonth"));
    press(Qt::Key_PageDown);
    EXPECT_EQ(focusName(), QStringLiteral("btnSet"));
    press(Qt::Key_PageUp);
    EXPECT_EQ(focusName(), QStringLiteral("EditMonth"));
    widget<QLineEdit>("EditMonth")->setText("26/1");
    press(Qt::Key_Return);
    EXPECT_EQ(focusName(), QStringLiteral("EditMonth"));
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(SetMonScreenTest, TheRunStoresTheMonthAndClearsItsProgressLine) {
    open();
    click("btnSet");
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join("\n").toStdString();
    EXPECT_EQ(stored("HIMAS31"), 1);
    EXPECT_EQ(stored("HITRANM"), 1);
    EXPECT_TRUE(widget<QLabel>("LabelMsg")->text().isEmpty());
}

TEST_F(SetMonScreenTest, AnEmptyClosingDayIsRefusedWithTheMessage) {
    open();
    widget<QLineEdit>("EditSime")->clear();
    click("btnSet");
    EXPECT_EQ(messages.shown, QStringList{"notice:" + dateRuleMessage::enterClosingDayOrMonth});
    EXPECT_EQ(stored("HIMAS31"), 0);
}

TEST_F(SetMonScreenTest, AnArchiveInTheWorkingCopyIsSaidAndLeavesTheMainDatabase) {
    appState.WorkingCopyIsArchive = true;
    open();
    click("btnSet");
    EXPECT_EQ(messages.shown, QStringList{"notice:" + monthlyMessage::archive});
    EXPECT_EQ(stored("HIMAS31"), 0);
    EXPECT_EQ(dm2.database().connection().scalar("SELECT COUNT(*) FROM HIMAS31").toInt(), 1);
}

TEST_F(SetMonScreenTest, PurchaseLedgerAloneForThePeriodWorkedOutOnLeavingTheFields) {
    open();
    focus("EditSime");
    press(Qt::Key_Return);  // leaving 締日 works out 26/11/01 to 26/11/30
    click("btnSirMoto");
    EXPECT_EQ(stored("HITRANS"), 1);
    EXPECT_EQ(stored("HITRANM"), 0);
}

}  // namespace
}  // namespace vantir::test
