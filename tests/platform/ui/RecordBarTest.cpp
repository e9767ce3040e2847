#include <QPushButton>
#include <QSignalSpy>

#include "SampleScreenTest.h"
#include "platform/ui/RecordBar.h"

namespace vantir::test {
namespace {

using RecordBarTest = SampleScreenTest;

std::string enabledButtons(const RecordBar& bar) {
    QStringList names;
    for (int i = 0; i < RecordBar::kButtonCount; ++i) {
        const QPushButton* button = bar.button(RecordBar::Button(i));
        if (button->isEnabled()) names << button->objectName().mid(2);
    }
    return names.join(' ').toStdString();
}

TEST_F(RecordBarTest, ShowsTheScreensCommandsWithTheirCaptionsAsHints) {
    auto* bar = widget<RecordBar>("DBNavigator1");
    QStringList visible;
    for (int i = 0; i < RecordBar::kButtonCount; ++i) {
        const QPushButton* button = bar->button(RecordBar::Button(i));
        EXPECT_EQ(button->text(), button->toolTip());
        if (button->isVisible()) visible << button->text();
    }
    EXPECT_EQ(visible, QStringList({"&A 追加", "&D 削除", "&O 登録", "&C 取消"}));
    EXPECT_EQ(bar->button(RecordBar::Refresh)->text(), "&R 更新");
}

TEST_F(RecordBarTest, EnabledButtonsFollowTheDatasetState) {
    RecordBar& bar = screen->bar();
    EXPECT_EQ(enabledButtons(bar), "Next Last Insert Delete Edit Refresh");
    focus("EditNAME");
    type("x");
    EXPECT_EQ(enabledButtons(bar), "Next Last Insert Delete Post Cancel Refresh");
    bar.run(RecordBar::Cancel);
    bar.run(RecordBar::Last);
    EXPECT_EQ(enabledButtons(bar), "First Prior Insert Delete Edit Refresh");
    bar.run(RecordBar::Insert);  // moving away posts the new record first
    EXPECT_EQ(enabledButtons(bar), "First Prior Next Last Insert Delete Post Cancel Refresh");
    data.sample.close();
    EXPECT_EQ(enabledButtons(bar), "");
}

TEST_F(RecordBarTest, DeleteAsksFirstAndGoesOnlyOnYes) {
    for (const bool answer : {false, true}) {
        SCOPED_TRACE(answer);
        messages.shown.clear();
        messages.answers = {answer};
        QTest::mouseClick(widget("nbDelete"), Qt::LeftButton);
        EXPECT_EQ(messages.shown, QStringList{"question:確認:レコードを削除してもよいですか？"});
        EXPECT_EQ(data.count("SELECT COUNT(*) FROM SAMPLE WHERE CODE = '000001'"), answer ? 0 : 1);
    }
    EXPECT_EQ(widget<QLineEdit>("EditCODE")->text(), "000002");
}

TEST_F(RecordBarTest, ARefusedPostKeepsTheBufferAndPutsTheCursorOnTheField) {
    QTest::mouseClick(widget("nbInsert"), Qt::LeftButton);
    focus("EditCODE");
    type("000009");
    QTest::mouseClick(widget("nbPost"), Qt::LeftButton);
    EXPECT_EQ(messages.shown, QStringList{"error:" + SampleRules::nameRequired()});
    EXPECT_EQ(data.sample.state(), DatasetState::Insert);
    EXPECT_EQ(data.sample.text("CODE"), "000009");
    EXPECT_EQ(focusName(), "EditNAME");

    type("九");
    QTest::mouseClick(widget("nbPost"), Qt::LeftButton);
    EXPECT_EQ(data.sample.state(), DatasetState::Browse);
    EXPECT_EQ(data.count("SELECT COUNT(*) FROM SAMPLE WHERE CODE = '000009' AND NAME = '九'"), 1);
}

TEST_F(RecordBarTest, ThePostTheDatabaseRefusesShowsItsMessageAndKeepsTheRecord) {
    screen->bar().run(RecordBar::Insert);
    focus("EditCODE");
    type("000001");  // the unique index already holds it
    focus("EditNAME");
    type("重");
    EXPECT_FALSE(screen->bar().run(RecordBar::Post));
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown.first().startsWith("error:"))
        << messages.shown.first().toStdString();
    EXPECT_EQ(data.sample.state(), DatasetState::Insert);
    EXPECT_EQ(data.sample.text("NAME"), "重");
    EXPECT_EQ(data.count("SELECT COUNT(*) FROM SAMPLE"), 3);
}

TEST_F(RecordBarTest, MovingAwayFromAChangedRecordPostsItFirst) {
    focus("EditNAME");
    type("x");
    screen->bar().run(RecordBar::Last);
    EXPECT_EQ(data.count("SELECT COUNT(*) FROM SAMPLE WHERE NAME = 'x'"), 1);
    EXPECT_EQ(widget<QLineEdit>("EditCODE")->text(), "000003");
}

TEST_F(RecordBarTest, TellsWhenTheCursorComesInAndGoesOut) {
    auto* bar = widget<RecordBar>("DBNavigator1");
    QSignalSpy entered(bar, &RecordBar::focusEntered);
    QSignalSpy left(bar, &RecordBar::focusLeft);
    QTest::mouseClick(widget("nbInsert"), Qt::LeftButton);
    EXPECT_EQ(entered.count(), 1);
    widget("nbPost")->setFocus(Qt::TabFocusReason);  // within the bar: no news
    EXPECT_EQ(entered.count(), 1);
    EXPECT_EQ(left.count(), 0);
    QTest::mouseClick(widget("EditNAME"), Qt::LeftButton);
    EXPECT_EQ(left.count(), 1);
}

}  // namespace
}  // namespace vantir::test
