#include <gtest/gtest.h>

#include <QHeaderView>
#include <QLineEdit>
#include <QTest>

#include "SampleData.h"
#include "platform/db/Connection.h"
#include "platform/ui/DatasetGrid.h"
#include "support/ScriptedMessages.h"

namespace vantir::test {
namespace {

// A table of a million rows: the grid scrolls through it reading only what it shows.
class LargeGridTest : public ::testing::Test {
  protected:
    static constexpr int kRows = 1'000'000;

    void SetUp() override {
        Connection connection;
        connection.open(dir.mainDatabase(), /*create=*/true);
        connection.execute(QStringLiteral("CREATE TABLE BIG (CODE VARCHAR(7), NAME VARCHAR(20))"));
        connection.execute(
            QStringLiteral(
                "INSERT INTO BIG (CODE, NAME) WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL "
                "SELECT i + 1 FROM n WHERE i < %1) SELECT i, 'name' || i FROM n")
                .arg(kRows));
    }

    TestProgramDir dir{TestProgramDir::Content::Empty};
    Database database{QStringLiteral("VANTIR"), dir.mainDatabase()};
    TableDataset big{database, QStringLiteral("BIG"), QStringLiteral("BIG")};
    ScriptedMessages messages;
};

TEST_F(LargeGridTest, ScrollsAMillionRowsReadingOnlyThoseShown) {
    big.open();
    DatasetGrid grid(big, {{"CODE", "コード"}, {"NAME", "名前"}}, messages);
    grid.resize(400, 300);
    grid.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));

    EXPECT_EQ(grid.model()->rowCount(), kRows);
    EXPECT_EQ(grid.model()->headerData(1, Qt::Horizontal, Qt::DisplayRole).toString(), "名前");
    big.last();
    grid.grab();  // paints the rows in view
    EXPECT_EQ(grid.currentIndex().row(), kRows - 1);
    const QModelIndex shown = grid.indexAt(QPoint(5, grid.viewport()->height() - 5));
    EXPECT_GT(shown.row(), kRows - 30);
    EXPECT_EQ(grid.model()->data(grid.model()->index(kRows - 1, 1), Qt::DisplayRole),
              "name1000000");
    EXPECT_LT(big.rowsFetched(), 1000);
}

class GridTest : public ::testing::Test {
  protected:
    void SetUp() override {
        data.sample.open();
        grid.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&grid));
    }

    SampleData data;
    ScriptedMessages messages;
    DatasetGrid grid{
        data.sample, {{"CODE", "コード"}, {"NAME", "名前"}, {"QTY", "数量"}}, messages};
};

TEST_F(GridTest, TheCurrentRowIsTheCurrentRecordBothWays) {
    grid.setCurrentIndex(grid.model()->index(2, 0));
    EXPECT_EQ(data.sample.text("CODE"), "000003");
    data.sample.first();
    EXPECT_EQ(grid.currentIndex().row(), 0);
}

TEST_F(GridTest, AReadOnlyGridTakesNoTyping) {
    EXPECT_FALSE(grid.model()->flags(grid.model()->index(0, 1)) & Qt::ItemIsEditable);
    grid.setFocus();
    QTest::keyClicks(&grid, "x");
    EXPECT_EQ(data.sample.state(), DatasetState::Browse);
}

TEST_F(GridTest, AnEditableGridWritesTheRowsRecordAndShowsRefusals) {
    grid.setEditable(true);
    QAbstractItemModel& model = *grid.model();
    EXPECT_TRUE(model.setData(model.index(1, 1), "二番", Qt::EditRole));
    EXPECT_EQ(data.sample.text("CODE"), "000002");
    EXPECT_EQ(data.sample.text("NAME"), "二番");
    EXPECT_EQ(model.data(model.index(1, 1), Qt::DisplayRole), "二番");

    EXPECT_FALSE(model.setData(model.index(1, 2), "多い", Qt::EditRole));
    EXPECT_EQ(messages.shown,
              QStringList{"error:'多い' は項目 'QTY' に適した整数値ではありません"});

    // Moving on posts the change, as leaving a row of a grid does.
    grid.setCurrentIndex(model.index(0, 0));
    EXPECT_EQ(data.count("SELECT COUNT(*) FROM SAMPLE WHERE NAME = '二番'"), 1);
}

// A column kept from typing stays so in an editable grid, and refuses a value handed in.
TEST_F(GridTest, AReadOnlyColumnOfAnEditableGridTakesNoValue) {
    DatasetGrid codes{data.sample, {{"CODE", "コード", true}, {"NAME", "名前"}}, messages};
    codes.setEditable(true);
    QAbstractItemModel& model = *codes.model();
    EXPECT_FALSE(model.flags(model.index(0, 0)) & Qt::ItemIsEditable);
    EXPECT_TRUE(model.flags(model.index(0, 1)) & Qt::ItemIsEditable);
    EXPECT_FALSE(model.setData(model.index(0, 0), "999999", Qt::EditRole));
    EXPECT_EQ(data.sample.state(), DatasetState::Browse);
    EXPECT_EQ(data.sample.text("CODE"), "000001");
}

TEST_F(GridTest, CellEditorsStopAtTheColumnWidth) {
    grid.setEditable(true);
    grid.setCurrentIndex(grid.model()->index(0, 1));
    grid.edit(grid.currentIndex());
    auto* editor = grid.findChild<QLineEdit*>();
    ASSERT_NE(editor, nullptr);
    QString text = QStringLiteral("あいうえおか");
    int position = int(text.size());
    ASSERT_NE(editor->validator(), nullptr);
    EXPECT_EQ(editor->validator()->validate(text, position), QValidator::Acceptable);
    EXPECT_EQ(text, "あいうえお");
}

}  // namespace
}  // namespace vantir::test
