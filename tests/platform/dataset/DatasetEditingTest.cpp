#include <functional>

#include "DatasetFixture.h"
#include "platform/dataset/TableDataset.h"
#include "platform/db/DbError.h"

namespace vantir::test {
namespace {

class DatasetEditingTest : public DatasetFixture {
  protected:
    DatasetEditingTest() {
        addSlip(QStringLiteral("03/05/20"), QStringLiteral("10"), QStringLiteral("000012"),
                QStringLiteral("山田運送"), 1000);
        addSlip(QStringLiteral("03/05/20"), QStringLiteral("20"), QStringLiteral("000013"),
                QStringLiteral("佐藤商事"), 2000);
        addSlip(QStringLiteral("03/05/21"), QStringLiteral("30"), QStringLiteral("000012"),
                QStringLiteral("山田運送"), 3000);
    }

    TableDataset slips{database, QStringLiteral("HITRAN1"), QStringLiteral("HITRAN1"),
                       QStringLiteral("CODE")};
};

TEST_F(DatasetEditingTest, EventsAndStatesFollowEachStepInOrder) {
    EventLog log(slips);
    struct Step {
        const char* what;
        std::function<void()> run;
        QStringList events;
        DatasetState state;
    };
    const std::vector<Step> steps = {
        {"open",
         [&] { slips.open(); },
         {"stateChanged", "rowsChanged", "afterOpen", "afterScroll"},
         DatasetState::Browse},
        {"edit", [&] { slips.edit(); }, {"stateChanged", "afterEdit"}, DatasetState::Edit},
        {"set",
         [&] { ASSERT_TRUE(slips.setText("KNAME", "山田")); },
         {"fieldChanged:KNAME"},
         DatasetState::Edit},
        {"post",
         [&] { ASSERT_TRUE(slips.post()); },
         {"stateChanged", "rowsChanged", "afterPost"},
         DatasetState::Browse},
        {"implicit edit",
         [&] { ASSERT_TRUE(slips.setValue("UKING", 5)); },
         {"stateChanged", "afterEdit", "fieldChanged:UKING"},
         DatasetState::Edit},
        {"cancel edit",
         [&] { slips.cancel(); },
         {"stateChanged", "afterCancel"},
         DatasetState::Browse},
        {"append",
         [&] { slips.append(); },
         {"stateChanged", "afterInsert", "afterScroll"},
         DatasetState::Insert},
        {"cancel insert",
         [&] { slips.cancel(); },
         {"stateChanged", "afterScroll", "afterCancel"},
         DatasetState::Browse},
        {"append and post",
         [&] {
             slips.append();
             ASSERT_TRUE(slips.setText("CODE", "40"));
             ASSERT_TRUE(slips.post());
         },
         {"stateChanged", "afterInsert", "afterScroll", "fieldChanged:CODE", "stateChanged",
          "rowsChanged", "afterScroll", "afterPost"},
         DatasetState::Browse},
        {"remove",
         [&] { ASSERT_TRUE(slips.remove()); },
         {"rowsChanged", "afterScroll", "afterDelete"},
         DatasetState::Browse},
        {"cancel in browse", [&] { slips.cancel(); }, {}, DatasetState::Browse},
        {"close",
         [&] { slips.close(); },
         {"stateChanged", "rowsChanged", "afterClose"},
         DatasetState::Inactive},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.what);
        step.run();
        EXPECT_EQ(log.take(), step.events);
        EXPECT_EQ(slips.state(), step.state);
    }
}

TEST_F(DatasetEditingTest, NullStaysDistinctFromEmptyText) {
    slips.open();
    slips.append();
    ASSERT_TRUE(slips.setText("CODE", "50"));
    ASSERT_TRUE(slips.setText("KNAME", ""));  // typed empty: empty text
    ASSERT_TRUE(slips.setText("UKING", ""));  // typed empty in a number: NULL
    ASSERT_TRUE(slips.setText("KCODE", "000014"));
    ASSERT_TRUE(slips.clear("KCODE"));  // cleared: NULL
    ASSERT_TRUE(slips.post());

    slips.close();
    slips.open();
    ASSERT_TRUE(slips.locate("CODE", "50"));
    EXPECT_FALSE(slips.isNull("KNAME"));
    EXPECT_EQ(slips.value("KNAME").toString(), QString());
    EXPECT_TRUE(slips.isNull("UKING"));
    EXPECT_TRUE(slips.isNull("KCODE"));
    EXPECT_TRUE(slips.isNull("HYMD"));  // never written
    EXPECT_EQ(slips.text("HYMD"), QString());
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM HITRAN1 WHERE KNAME = ''").toLongLong(), 1);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM HITRAN1 WHERE KCODE IS NULL").toLongLong(), 1);
}

struct InputCase {
    const char* column;
    QVariant input;
    QVariant stored;  // NULL when refused
    QString message;  // empty when accepted
};
void PrintTo(const InputCase& c, std::ostream* os) {
    *os << caseName(QString::fromLatin1(c.column) + QLatin1Char('_') + c.input.toString());
}

class FieldInputTest : public DatasetEditingTest,
                       public ::testing::WithParamInterface<InputCase> {};

TEST_P(FieldInputTest, StoresTheValueOrRefusesItKeepingTheBuffer) {
    const InputCase& c = GetParam();
    const QString column = QString::fromLatin1(c.column);
    slips.open();
    slips.edit();
    const QVariant before = slips.value(column);

    const Result result = slips.setValue(column, c.input);

    if (c.message.isEmpty()) {
        ASSERT_TRUE(result) << result.message.toStdString();
        EXPECT_EQ(slips.value(column), c.stored);
        EXPECT_EQ(slips.value(column).typeId(), c.stored.typeId());
        ASSERT_TRUE(slips.post());
        EXPECT_EQ(slips.value(column), c.stored);  // as read back from the table
    } else {
        EXPECT_FALSE(result);
        EXPECT_EQ(result.message, c.message);
        EXPECT_EQ(result.field, column);
        EXPECT_EQ(slips.value(column), before);  // not stored, not cut
    }
}

const QString kFullWidth15 = QStringLiteral("あいうえおかきくけこさしすせそ");  // 30 bytes
const QString kTooLongMessage = QStringLiteral(
    "項目 'KNAME' に入る長さは 30 バイト（全角 15 文字）までです。入力された値は %1 "
    "バイトあります。");

INSTANTIATE_TEST_SUITE_P(
    Cases, FieldInputTest,
    ::testing::Values(
        InputCase{"UKING", QStringLiteral("12"), qint64(12), {}},
        InputCase{"UKING", QStringLiteral(" -7 "), qint64(-7), {}},
        InputCase{"UKING", QStringLiteral("3000000000"), qint64(3000000000LL), {}},
        InputCase{"UKING", 42, qint64(42), {}}, InputCase{"UKING", 7.0, qint64(7), {}},
        InputCase{"UKING",
                  QStringLiteral("abc"),
                  {},
                  QStringLiteral("'abc' は項目 'UKING' に適した整数値ではありません")},
        InputCase{"UKING",
                  QStringLiteral("1.5"),
                  {},
                  QStringLiteral("'1.5' は項目 'UKING' に適した整数値ではありません")},
        InputCase{"UKING",
                  QStringLiteral("12a"),
                  {},
                  QStringLiteral("'12a' は項目 'UKING' に適した整数値ではありません")},
        InputCase{
            "UKING",
            QStringLiteral("99999999999999999999"),
            {},
            QStringLiteral("'99999999999999999999' は項目 'UKING' に適した整数値ではありません")},
        InputCase{
            "UKING", 2.5, {}, QStringLiteral("'2.5' は項目 'UKING' に適した整数値ではありません")},
        InputCase{"SHOZEI", QStringLiteral("10"), qint64(10), {}},
        InputCase{"SHOZEI",
                  QStringLiteral("40000"),
                  {},
                  QStringLiteral("'40000' は項目 'SHOZEI' の範囲 (-32768～32767) を超えています")},
        InputCase{"TKING", QStringLiteral("1.25"), 1.25, {}},
        InputCase{"TKING",
                  QStringLiteral("x"),
                  {},
                  QStringLiteral("'x' は項目 'TKING' に適した浮動小数点値ではありません")},
        InputCase{"KNAME", kFullWidth15, kFullWidth15, {}},
        InputCase{"KNAME", QString(30, QChar(0xFF71)), QString(30, QChar(0xFF71)), {}},  // ｱ
        InputCase{
            "KNAME", QString(kFullWidth15 + QStringLiteral("た")), {}, kTooLongMessage.arg(32)},
        InputCase{"KNAME",
                  QString(QString(29, QLatin1Char('A')) + QStringLiteral("あ")),
                  {},
                  kTooLongMessage.arg(31)},
        InputCase{"CODE", 123, QStringLiteral("123"), {}}));

TEST_F(DatasetEditingTest, PostedRowBecomesCurrentInIndexOrder) {
    slips.open();  // CODE order: 10, 20, 30
    slips.first();
    slips.append();
    ASSERT_TRUE(slips.setText("CODE", "25"));
    ASSERT_TRUE(slips.post());
    EXPECT_EQ(slips.text("CODE"), QStringLiteral("25"));
    EXPECT_EQ(slips.recNo(), 2);

    ASSERT_TRUE(slips.locate("CODE", "10"));
    ASSERT_TRUE(slips.setText("CODE", "35"));
    ASSERT_TRUE(slips.post());
    EXPECT_EQ(slips.text("CODE"), QStringLiteral("35"));
    EXPECT_EQ(slips.recNo(), 3);
    EXPECT_EQ(columnOf(slips, "CODE"), QStringList({"20", "25", "30", "35"}));
}

TEST_F(DatasetEditingTest, PostedRowOutsideTheFilterLeavesTheCursorNearby) {
    slips.setFilter(QStringLiteral("HYMD = '03/05/20'"));
    slips.setFiltered(true);
    slips.open();
    slips.last();  // CODE 20
    slips.append();
    ASSERT_TRUE(slips.setText("HYMD", "03/06/01"));
    ASSERT_TRUE(slips.setText("CODE", "15"));
    ASSERT_TRUE(slips.post());
    EXPECT_EQ(columnOf(slips, "CODE"), QStringList({"10", "20"}));
    EXPECT_EQ(slips.text("CODE"), QStringLiteral("20"));
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM HITRAN1 WHERE CODE = '15'").toLongLong(), 1);
}

TEST_F(DatasetEditingTest, CancelRestoresTheRowAndThePosition) {
    slips.open();
    ASSERT_TRUE(slips.locate("CODE", "20"));
    ASSERT_TRUE(slips.setText("KNAME", "変更"));
    slips.cancel();
    EXPECT_EQ(slips.text("KNAME"), QStringLiteral("佐藤商事"));
    EXPECT_FALSE(slips.isModified());

    slips.append();
    EXPECT_EQ(slips.recNo(), 3);
    EXPECT_TRUE(slips.valueAt(3, slips.fieldIndex("CODE")).isNull());
    slips.cancel();
    EXPECT_EQ(slips.text("CODE"), QStringLiteral("20"));
    EXPECT_EQ(slips.recordCount(), 3);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM HITRAN1").toLongLong(), 3);
}

TEST_F(DatasetEditingTest, RemoveKeepsThePositionSensibly) {
    slips.open();
    ASSERT_TRUE(slips.locate("CODE", "20"));
    ASSERT_TRUE(slips.remove());
    EXPECT_EQ(slips.text("CODE"), QStringLiteral("30"));  // the next row moved up

    ASSERT_TRUE(slips.remove());  // the last row: the new last row
    EXPECT_EQ(slips.text("CODE"), QStringLiteral("10"));

    ASSERT_TRUE(slips.remove());
    EXPECT_TRUE(slips.isEmpty());
    EXPECT_EQ(slips.recNo(), -1);
    EXPECT_TRUE(slips.bof());
    EXPECT_TRUE(slips.eof());
    EXPECT_FALSE(slips.remove());
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM HITRAN1").toLongLong(), 0);
}

TEST_F(DatasetEditingTest, RefusedPostKeepsStateAndBuffer) {
    execute(
        QStringLiteral("CREATE TRIGGER NO_DUPLICATE BEFORE INSERT ON HITRAN1 "
                       "WHEN EXISTS (SELECT 1 FROM HITRAN1 WHERE CODE = NEW.CODE) "
                       "BEGIN SELECT RAISE(ABORT, '伝票番号が重複しています'); END"));
    slips.open();
    slips.append();
    ASSERT_TRUE(slips.setText("CODE", "20"));
    ASSERT_TRUE(slips.setText("KNAME", "新しい得意先"));

    const Result refused = slips.post();

    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.message, QStringLiteral("伝票番号が重複しています"));
    EXPECT_EQ(slips.state(), DatasetState::Insert);
    EXPECT_TRUE(slips.isModified());
    EXPECT_EQ(slips.text("KNAME"), QStringLiteral("新しい得意先"));
    EXPECT_EQ(slips.text("CODE"), QStringLiteral("20"));

    ASSERT_TRUE(slips.setText("CODE", "21"));
    ASSERT_TRUE(slips.post());
    EXPECT_EQ(slips.state(), DatasetState::Browse);
    EXPECT_EQ(slips.text("KNAME"), QStringLiteral("新しい得意先"));
}

TEST_F(DatasetEditingTest, MovingAwayPostsAChangeOrRefusesToMove) {
    execute(
        QStringLiteral("CREATE TRIGGER NO_NEGATIVE BEFORE UPDATE ON HITRAN1 "
                       "WHEN NEW.UKING < 0 BEGIN SELECT RAISE(ABORT, '金額が負です'); END"));
    slips.open();
    slips.first();
    ASSERT_TRUE(slips.setValue("UKING", 1500));
    slips.next();
    EXPECT_EQ(slips.state(), DatasetState::Browse);
    EXPECT_EQ(slips.text("CODE"), QStringLiteral("20"));
    EXPECT_EQ(scalar("SELECT UKING FROM HITRAN1 WHERE CODE = '10'").toLongLong(), 1500);

    ASSERT_TRUE(slips.setValue("UKING", -1));
    EXPECT_THROW(slips.next(), DbError);
    EXPECT_EQ(slips.text("CODE"), QStringLiteral("20"));
    EXPECT_EQ(slips.state(), DatasetState::Edit);
    EXPECT_EQ(slips.value("UKING"), QVariant(qint64(-1)));
}

TEST_F(DatasetEditingTest, PostWritesOnlyTheChangedColumns) {
    slips.open();
    ASSERT_TRUE(slips.locate("CODE", "10"));
    ASSERT_TRUE(slips.setText("KNAME", "山田運輸"));
    execute(QStringLiteral("UPDATE HITRAN1 SET UKING = 9999 WHERE CODE = '10'"));  // elsewhere
    ASSERT_TRUE(slips.post());
    EXPECT_EQ(scalar("SELECT UKING FROM HITRAN1 WHERE CODE = '10'").toLongLong(), 9999);
    EXPECT_EQ(scalar("SELECT KNAME FROM HITRAN1 WHERE CODE = '10'").toString(),
              QStringLiteral("山田運輸"));
}

TEST_F(DatasetEditingTest, RowDeletedThroughAnotherViewIsNotPostedSilently) {
    TableDataset other(database, QStringLiteral("HIT1Rep"), QStringLiteral("HITRAN1"));
    slips.open();
    other.open();
    ASSERT_TRUE(slips.locate("CODE", "20"));
    ASSERT_TRUE(other.locate("CODE", "20"));
    ASSERT_TRUE(other.remove());

    ASSERT_TRUE(slips.setText("KNAME", "変更"));
    const Result refused = slips.post();
    EXPECT_FALSE(refused);
    EXPECT_FALSE(refused.message.isEmpty());
    EXPECT_EQ(slips.state(), DatasetState::Edit);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM HITRAN1").toLongLong(), 2);
}

TEST_F(DatasetEditingTest, EditingNeedsAnOpenDatasetAndKnownColumns) {
    EXPECT_THROW(slips.edit(), DbError);
    slips.open();
    EXPECT_THROW(slips.setValue(QStringLiteral("NOSUCH"), 1), DbError);
    EXPECT_THROW(slips.value(QStringLiteral("NOSUCH")), DbError);
    EXPECT_EQ(slips.value(QStringLiteral("kname")).toString(), QStringLiteral("山田運送"));
}

TEST_F(DatasetEditingTest, EditOnAnEmptyTableAppends) {
    execute(QStringLiteral("DELETE FROM HITRAN1"));
    slips.open();
    ASSERT_TRUE(slips.setText("CODE", "1"));
    EXPECT_EQ(slips.state(), DatasetState::Insert);
    ASSERT_TRUE(slips.post());
    EXPECT_EQ(slips.recordCount(), 1);
    EXPECT_EQ(slips.recNo(), 0);
}

TEST_F(DatasetEditingTest, TableNameChangesOnlyWhileClosed) {
    execute(QStringLiteral("CREATE TABLE HITRAN11 (CODE VARCHAR(6))"));
    TableDataset table1(database, QStringLiteral("Table1"));
    table1.setTableName(QStringLiteral("HITRAN11"));
    table1.open();
    EXPECT_THROW(table1.setTableName(QStringLiteral("HITRAN1")), DbError);
    EXPECT_EQ(table1.fields().size(), 1);
    table1.close();
    table1.setTableName(QStringLiteral("HITRAN1"));
    table1.open();
    EXPECT_EQ(table1.recordCount(), 3);

    table1.close();
    table1.setTableName(QStringLiteral("NOSUCH"));
    EXPECT_THROW(table1.open(), DbError);
    EXPECT_FALSE(table1.isOpen());
}

}  // namespace
}  // namespace vantir::test
