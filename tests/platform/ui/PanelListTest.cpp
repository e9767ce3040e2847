#include <gtest/gtest.h>

#include <QApplication>
#include <QFrame>
#include <QScrollBar>
#include <QTest>
#include <QVBoxLayout>

#include "SampleData.h"
#include "platform/ui/BoundLineEdit.h"
#include "platform/ui/FieldHooks.h"
#include "platform/ui/PanelList.h"
#include "support/ScreenInput.h"
#include "support/ScriptedMessages.h"

namespace vantir::test {
namespace {

// Two panels of two lines over the three sample records, in a window with one more box
// outside the list.
class PanelListTest : public ::testing::Test {
  protected:
    void SetUp() override {
        data.sample.open();
        list =
            new PanelList(data.sample,
                          {{{"CODE", "コード", 6}, {"NAME", "名前", 10, Qt::cyan}},
                           {{"QTY", "数量", 5, Qt::green}, {"CHKDAY", "受領確認", 8, Qt::yellow}}},
                          2, messages, &window);
        outside = new QLineEdit(&window);
        auto* layout = new QVBoxLayout(&window);
        layout->addWidget(list);
        layout->addWidget(outside);
        ASSERT_TRUE(showActive(window));
        outside->setFocus();
    }

    QLineEdit* box(const QString& name) const { return window.findChild<QLineEdit*>(name); }
    QString shownCodes() const { return box("CODE_0")->text() + " " + box("CODE_1")->text(); }
    static void clickInto(QWidget* widget) { QTest::mouseClick(widget, Qt::LeftButton); }

    SampleData data;
    ScriptedMessages messages;
    QWidget window;
    PanelList* list = nullptr;
    QLineEdit* outside = nullptr;
};

TEST_F(PanelListTest, ShowsConsecutiveRecordsAndMarksTheCurrentOne) {
    EXPECT_EQ(shownCodes(), "000001 000002");
    EXPECT_EQ(box("NAME_0")->text(), "一番");
    EXPECT_EQ(box("QTY_1")->text(), "");
    EXPECT_TRUE(window.findChild<QFrame*>("panel_0")->property("current").toBool());

    data.sample.last();  // the list scrolls to keep the current record in view
    EXPECT_EQ(shownCodes(), "000002 000003");
    EXPECT_EQ(list->currentPanel(), 1);
    EXPECT_TRUE(window.findChild<QFrame*>("panel_1")->property("current").toBool());
}

TEST_F(PanelListTest, TheCursorInAPanelMakesItsRecordCurrentAndTypingEditsIt) {
    clickInto(box("NAME_1"));
    EXPECT_EQ(data.sample.text("CODE"), "000002");
    QTest::keyClicks(box("NAME_1"), "ni");
    EXPECT_EQ(data.sample.text("NAME"), "ni");
    EXPECT_EQ(box("NAME_0")->text(), "一番");

    clickInto(box("QTY_0"));  // moving to another record registers the change
    EXPECT_EQ(data.sample.text("CODE"), "000001");
    EXPECT_EQ(data.count("SELECT COUNT(*) FROM SAMPLE WHERE CODE = '000002' AND NAME = 'ni'"), 1);
}

TEST_F(PanelListTest, ScrollingMovesTheRecordWithTheCursor) {
    list->scrollBar().setValue(1);  // cursor outside the list: only the view moves
    EXPECT_EQ(shownCodes(), "000002 000003");
    EXPECT_EQ(data.sample.text("CODE"), "000001");
    EXPECT_EQ(list->currentPanel(), -1);

    clickInto(box("NAME_0"));
    EXPECT_EQ(data.sample.text("CODE"), "000002");
    list->scrollBar().setValue(0);
    EXPECT_EQ(data.sample.text("CODE"), "000001");
    EXPECT_EQ(list->currentPanel(), 0);
}

TEST_F(PanelListTest, EnterAndLeaveLogicRunsForThePanelsRecord) {
    // A date typed once is offered to every further panel entered, until it is cleared.
    QString remembered;
    for (BoundLineEdit* checked : list->fields("CHKDAY")) {
        checked->hooks().setEnterHook([&] {
            if (!remembered.isEmpty()) data.sample.setValue("CHKDAY", remembered);
        });
        checked->hooks().setLeaveHook([&] {
            remembered = data.sample.text("CHKDAY");
            return Leave::Go;
        });
    }
    clickInto(box("CHKDAY_0"));
    QTest::keyClicks(box("CHKDAY_0"), "03/06/30");
    clickInto(box("CHKDAY_1"));
    EXPECT_EQ(box("CHKDAY_1")->text(), "03/06/30");
    clickInto(outside);
    EXPECT_EQ(data.count("SELECT COUNT(*) FROM SAMPLE WHERE CHKDAY = '03/06/30'"), 1);
    EXPECT_EQ(data.sample.text("CHKDAY"), "03/06/30");  // the second, still being edited
}

TEST_F(PanelListTest, ARefusedChangeKeepsTheCursorOnItsRecord) {
    clickInto(box("CODE_0"));
    box("CODE_0")->selectAll();
    QTest::keyClicks(box("CODE_0"), "000002");  // the unique index refuses it
    clickInto(box("NAME_1"));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown.first().startsWith("error:"));
    EXPECT_EQ(data.sample.state(), DatasetState::Edit);
    EXPECT_EQ(data.sample.recNo(), 0);
    QApplication::processEvents();
    EXPECT_EQ(QApplication::focusWidget(), box("CODE_0"));
}

TEST_F(PanelListTest, AReadOnlyListOnlyShows) {
    list->setReadOnly(true);
    clickInto(box("NAME_1"));
    QTest::keyClicks(box("NAME_1"), "x");
    EXPECT_EQ(data.sample.state(), DatasetState::Browse);
    EXPECT_EQ(data.sample.text("CODE"), "000002");
}

}  // namespace
}  // namespace vantir::test
