#include "DatasetFixture.h"
#include "platform/dataset/LookupSource.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/dataset/TableDataset.h"
#include "platform/db/DbError.h"

namespace vantir::test {
namespace {

class QueryDatasetTest : public DatasetFixture {
  protected:
    QueryDatasetTest() {
        addSlip("03/05/20", "10", "000012", "山田運送", 1000);
        addSlip("03/05/20", "11", "000013", "佐藤商事", 2000);
        addSlip("03/05/21", "12", "000012", "山田運送", 3000);
    }

    QueryDataset query{database, QStringLiteral("Query1")};
};

TEST_F(QueryDatasetTest, LinesAndNamedParameters) {
    query.clearSql();
    query.addSql(QStringLiteral("SELECT * FROM HITRAN1"));
    query.addSql(QStringLiteral("WHERE KCODE = :KCODE"));
    query.addSql(QStringLiteral("ORDER BY CODE DESC"));
    query.setParam(QStringLiteral(":KCODE"), QStringLiteral("000012"));
    query.open();
    EXPECT_EQ(columnOf(query, "CODE"), QStringList({"12", "10"}));
    EXPECT_EQ(query.fields().size(), 8);
    EXPECT_EQ(query.fields()[5].name, QStringLiteral("UKING"));
    EXPECT_EQ(query.fields()[5].type, ColumnType::Int);
    EXPECT_EQ(query.fields()[4].width, 30);
    EXPECT_EQ(query.value("UKING").typeId(), QMetaType::LongLong);

    query.close();
    query.setParam(QStringLiteral("kcode"), QStringLiteral("000013"));
    EXPECT_EQ(query.param(QStringLiteral("KCODE")), QVariant(QStringLiteral("000013")));
    query.open();
    EXPECT_EQ(columnOf(query, "CODE"), QStringList({"11"}));
}

TEST_F(QueryDatasetTest, ChangingTheSqlClosesTheQuery) {
    query.setSql({QStringLiteral("SELECT * FROM HITRAN1")});
    query.open();
    query.addSql(QStringLiteral("WHERE CODE = '10'"));
    EXPECT_FALSE(query.isOpen());
    query.open();
    EXPECT_EQ(query.recordCount(), 1);
    query.clearSql();
    EXPECT_FALSE(query.isOpen());
    EXPECT_THROW(query.open(), DbError);
}

TEST_F(QueryDatasetTest, CountsAndSumsAreNamedExpr1000) {
    struct Case {
        const char* sql;
        QVariant value;
    };
    for (const Case& c :
         {Case{"SELECT COUNT(*) FROM HITRAN1", qint64(3)},
          Case{"SELECT SUM(UKING) FROM HITRAN1 WHERE KCODE = '000012'", qint64(4000)},
          Case{"SELECT SUM(UKING) FROM HITRAN1 WHERE KCODE = 'none'", {}}}) {
        SCOPED_TRACE(c.sql);
        query.setSql({QString::fromLatin1(c.sql)});
        query.open();
        ASSERT_EQ(query.fields().size(), 1);
        EXPECT_EQ(query.fields()[0].name, QStringLiteral("Expr1000"));
        EXPECT_EQ(query.value(QStringLiteral("Expr1000")), c.value);
    }
}

TEST_F(QueryDatasetTest, RowsAreReadOnly) {
    query.setSql({QStringLiteral("SELECT * FROM HITRAN1")});
    query.open();
    EXPECT_THROW(query.edit(), DbError);
    EXPECT_THROW(query.append(), DbError);
    const Result refused = query.setText(QStringLiteral("KNAME"), QStringLiteral("x"));
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.message, QStringLiteral("Query1 は読み取り専用です"));
    EXPECT_FALSE(query.remove());
    EXPECT_EQ(query.state(), DatasetState::Browse);
    EXPECT_EQ(scalar("SELECT COUNT(*) FROM HITRAN1").toLongLong(), 3);
}

TEST_F(QueryDatasetTest, ExecSqlRunsAStatementAndOpenRefusesOne) {
    query.setSql({QStringLiteral("UpDate HITRAN1"), QStringLiteral("SET UKING = 0"),
                  QStringLiteral("WHERE KCODE = :KCODE")});
    query.setParam(QStringLiteral("KCODE"), QStringLiteral("000012"));
    EXPECT_THROW(query.open(), DbError);
    EXPECT_EQ(scalar("SELECT SUM(UKING) FROM HITRAN1").toLongLong(), 6000);  // not run

    EXPECT_EQ(query.execSql(), 2);
    EXPECT_EQ(scalar("SELECT SUM(UKING) FROM HITRAN1").toLongLong(), 2000);

    query.setSql({QStringLiteral("DELETE FROM NOSUCH")});
    EXPECT_THROW(query.execSql(), DbError);
}

TEST_F(QueryDatasetTest, OpenQueryDoesNotHoldTheConnectionFromDroppingTables) {
    execute(QStringLiteral("CREATE TABLE HWRK1 (CODE VARCHAR(6))"));
    query.setSql({QStringLiteral("SELECT * FROM HITRAN1 ORDER BY CODE")});
    query.open();
    query.first();
    execute(QStringLiteral("DROP TABLE HWRK1"));
    EXPECT_EQ(query.recordCount(), 3);
}

TEST_F(QueryDatasetTest, FilterKeepsTheStatementsOrder) {
    addSlip("03/05/22", "13", "000014", "ヤマト運輸", 500);
    query.setSql({QStringLiteral("SELECT * FROM HITRAN1"), QStringLiteral("ORDER BY CODE DESC")});
    query.setFilter(QStringLiteral("KNAME = '山田*' OR KNAME = 'ヤマ*'"));
    query.setFiltered(true);
    query.open();
    EXPECT_EQ(columnOf(query, "CODE"), QStringList({"13", "12", "10"}));
    ASSERT_TRUE(query.locate(QStringLiteral("KCODE"), QStringLiteral("000012")));
    EXPECT_EQ(query.text("CODE"), QStringLiteral("12"));
    query.setFiltered(false);
    EXPECT_EQ(columnOf(query, "CODE"), QStringList({"13", "12", "11", "10"}));
}

// A long list shares the texts a column repeats; every value must still be the row's
// own, past the point where a column of mostly unique texts stops being remembered, and
// in a column that holds text in some rows and numbers or nothing in others.
TEST_F(QueryDatasetTest, ALongListKeepsEveryRowsOwnValues) {
    constexpr int kRows = 6000;
    query.setSql({QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
                                 "FROM n WHERE i < %1)")
                      .arg(kRows),
                  QStringLiteral("SELECT 'No' || i AS CODE,"),
                  QStringLiteral("CASE i % 3 WHEN 0 THEN '山田運送' WHEN 1 THEN '佐藤商事' "
                                 "ELSE '' END AS KNAME,"),
                  QStringLiteral("CASE WHEN i % 5 = 0 THEN NULL WHEN i % 7 = 0 THEN i "
                                 "ELSE '山田運送' END AS MIXED"),
                  QStringLiteral("FROM n")});
    query.open();
    ASSERT_EQ(query.recordCount(), kRows);
    for (int row = 0; row < kRows; ++row) {
        const int i = row + 1;
        const QString name = i % 3 == 0 ? QStringLiteral("山田運送")
                             : i % 3 == 1 ? QStringLiteral("佐藤商事")
                                          : QString();
        const QVariant mixed = i % 5 == 0   ? QVariant()
                               : i % 7 == 0 ? QVariant(qint64(i))
                                            : QVariant(QStringLiteral("山田運送"));
        ASSERT_EQ(query.valueAt(row, 0), QVariant(QStringLiteral("No%1").arg(i))) << row;
        ASSERT_EQ(query.valueAt(row, 1).toString(), name) << row;
        ASSERT_EQ(query.valueAt(row, 2), mixed) << row;
    }
}

class LookupFieldTest : public QueryDatasetTest {
  protected:
    LookupFieldTest() {
        execute(QStringLiteral("CREATE TABLE HIMAS3 (KCODE VARCHAR(6), KZIP VARCHAR(8))"));
        execute(QStringLiteral("INSERT INTO HIMAS3 VALUES ('000012', '100-0001')"));
        execute(QStringLiteral("INSERT INTO HIMAS3 VALUES ('000013', NULL)"));
        execute(QStringLiteral("INSERT INTO HIMAS3 VALUES ('000012', '999-9999')"));
        slips.addLookupField({QStringLiteral("KZIP"), ColumnType::Text, 8}, source,
                             QStringLiteral("KCODE"), QStringLiteral("KZIP"));
    }

    std::shared_ptr<LookupSource> source = std::make_shared<LookupSource>(
        database, QStringLiteral("HIMAS3"), QStringLiteral("SELECT KCODE, KZIP FROM HIMAS3"),
        QStringLiteral("KCODE"));
    TableDataset partners{database, QStringLiteral("HIMAS3"), QStringLiteral("HIMAS3"),
                          QStringLiteral("KCODE")};
    TableDataset slips{database, QStringLiteral("WK_SEIKYU"), QStringLiteral("HITRAN1"),
                       QStringLiteral("CODE")};
};

// The first source row of a key wins; the field is shown, found by and never written.
TEST_F(LookupFieldTest, ShowsTheSourcesValueByKey) {
    addSlip("03/05/22", "13", "000099");
    slips.open();
    EXPECT_EQ(slips.fields().last().name, QStringLiteral("KZIP"));
    EXPECT_EQ(columnOf(slips, "KZIP"), QStringList({"100-0001", "<NULL>", "100-0001", "<NULL>"}));
    EXPECT_TRUE(slips.locate(QStringLiteral("KZIP"), QStringLiteral("100-0001")));
    EXPECT_EQ(slips.text("CODE"), QStringLiteral("10"));

    const Result refused = slips.setText(QStringLiteral("KZIP"), QStringLiteral("999-9999"));
    EXPECT_FALSE(refused);
    EXPECT_EQ(refused.field, QStringLiteral("KZIP"));
    EXPECT_EQ(slips.state(), DatasetState::Browse);
}

// The source is read again after any change of the database: a record posted through a
// view, a statement, a change rolled back, the work of another connection.
TEST_F(LookupFieldTest, FollowsTheBufferAndTheSourcesChanges) {
    slips.open();
    slips.append();
    EXPECT_TRUE(slips.isNull(QStringLiteral("KZIP")));
    ASSERT_TRUE(slips.setText(QStringLiteral("KCODE"), QStringLiteral("000012")));
    EXPECT_EQ(slips.text(QStringLiteral("KZIP")), QStringLiteral("100-0001"));
    slips.cancel();
    ASSERT_TRUE(slips.locate(QStringLiteral("CODE"), QStringLiteral("11")));  // 000013

    const auto zip = [this] { return slips.text(QStringLiteral("KZIP")); };
    partners.open();
    ASSERT_TRUE(partners.locate(QStringLiteral("KCODE"), QStringLiteral("000013")));
    ASSERT_TRUE(partners.setText(QStringLiteral("KZIP"), QStringLiteral("200-0002")));
    ASSERT_TRUE(partners.post());
    EXPECT_EQ(zip(), QStringLiteral("200-0002"));

    execute(QStringLiteral("UPDATE HIMAS3 SET KZIP = '300-0003' WHERE KCODE = '000013'"));
    EXPECT_EQ(zip(), QStringLiteral("300-0003"));

    Connection& connection = database.connection();
    connection.begin();
    execute(QStringLiteral("UPDATE HIMAS3 SET KZIP = '400-0004' WHERE KCODE = '000013'"));
    EXPECT_EQ(zip(), QStringLiteral("400-0004"));
    connection.rollback();
    EXPECT_EQ(zip(), QStringLiteral("300-0003"));

    Connection other;
    other.open(path(), /*create=*/false);
    other.execute(QStringLiteral("UPDATE HIMAS3 SET KZIP = '500-0005' WHERE KCODE = '000013'"));
    slips.refresh();  // the screen reads its own rows again
    EXPECT_EQ(zip(), QStringLiteral("500-0005"));

    // A source without the column asked for names both.
    slips.close();
    TableDataset wrong{database, QStringLiteral("WK_SEIKYU"), QStringLiteral("HITRAN1")};
    wrong.addLookupField({QStringLiteral("KTEL"), ColumnType::Text, 12}, source,
                         QStringLiteral("KCODE"), QStringLiteral("KTEL"));
    wrong.open();
    try {
        wrong.value(QStringLiteral("KTEL"));
        ADD_FAILURE() << "read";
    } catch (const DbError& error) {
        EXPECT_TRUE(error.message().contains("HIMAS3")) << error.message().toStdString();
        EXPECT_TRUE(error.message().contains("KTEL")) << error.message().toStdString();
    }
}

}  // namespace
}  // namespace vantir::test
