#include <gtest/gtest.h>

#include "platform/dataset/QueryDataset.h"
#include "platform/dataset/TableDataset.h"
#include "platform/db/DbError.h"
#include "support/DataModuleTest.h"
#include "support/Seed.h"

namespace vantir::test {
namespace {

class BatchMoveTest : public DataModuleTest {
  protected:
    void SetUp() override {
        for (DataModule* module :
             {static_cast<DataModule*>(&dm1), static_cast<DataModule*>(&dm2)}) {
            seedRows(module->database(), QStringLiteral("HIMAS31"),
                     {{{"KCODE", "000001"}, {"HYMD", "26/10/31"}, {"UKING", 120000}},
                      {{"KCODE", "000002"}, {"HYMD", "26/10/31"}, {"UKING", 3000000000LL}},
                      {{"KCODE", "000001"}, {"HYMD", "26/11/30"}, {"KNAME", "北運輸"}}});
        }
    }

    // Fills a statement view of `from` with SQL and copies it into `table` of `to`.
    int copy(DataModule& from, const QString& sql, DataModule& to, const QString& table,
             const BatchMove& move) {
        QueryDataset& query = from.query1();
        query.close();
        query.clearSql();
        query.addSql(sql);
        query.open();
        TableDataset& destination = to.table1();
        destination.close();
        destination.setTableName(table);
        const int rows = move.execute(query, destination);
        query.close();
        return rows;
    }

    Connection& main() { return dm1.database().connection(); }
    Connection& work() { return dm2.database().connection(); }
};

struct CopyCase {
    const char* name;
    bool fromMain;
    bool toMain;
};

void PrintTo(const CopyCase& c, std::ostream* os) { *os << c.name; }

class BatchMoveCopyTest : public BatchMoveTest, public ::testing::WithParamInterface<CopyCase> {};

// The destination is dropped and re-created with the result's columns and rows, within
// one file and across the two; declared types come along, computed columns get none.
TEST_P(BatchMoveCopyTest, ReplacesTheDestinationWithTheResult) {
    const CopyCase& c = GetParam();
    DataModule& from = c.fromMain ? static_cast<DataModule&>(dm1) : dm2;
    DataModule& to = c.toMain ? static_cast<DataModule&>(dm1) : dm2;
    Connection& target = c.toMain ? main() : work();
    // An older HWRK31 of another layout, with a row of its own.
    target.execute(QStringLiteral("DROP TABLE HWRK31"));
    target.execute(QStringLiteral("CREATE TABLE HWRK31 (OLD INT)"));
    target.execute(QStringLiteral("INSERT INTO HWRK31 (OLD) VALUES (1)"));

    const int rows = copy(from,
                          QStringLiteral("SELECT KCODE, HYMD, UKING, UKING * 2 AS DOUBLED FROM "
                                         "HIMAS31 WHERE HYMD = '26/10/31' ORDER BY KCODE"),
                          to, QStringLiteral("HWRK31"), dm2.batchMove1());
    EXPECT_EQ(rows, 2);
    EXPECT_EQ(target.columnNames(QStringLiteral("HWRK31")),
              (QStringList{"KCODE", "HYMD", "UKING", "DOUBLED"}));
    const QStringList types = target.declaredTypes(QStringLiteral("HWRK31"));
    ASSERT_EQ(types.size(), 4);
    EXPECT_EQ(columnInfoFromDeclaredType(QStringLiteral("KCODE"), types[0]).width, 6);
    EXPECT_EQ(columnInfoFromDeclaredType(QStringLiteral("UKING"), types[2]).type, ColumnType::Int);
    EXPECT_EQ(types[3], QString());
    EXPECT_EQ(
        rowsOf(target, QStringLiteral("SELECT * FROM HWRK31")),
        (QStringList{"000001|26/10/31|120000|240000", "000002|26/10/31|3000000000|6000000000"}));
}

INSTANTIATE_TEST_SUITE_P(Directions, BatchMoveCopyTest,
                         ::testing::Values(CopyCase{"WithinMain", true, true},
                                           CopyCase{"WithinWork", false, false},
                                           CopyCase{"MainToWork", true, false},
                                           CopyCase{"WorkToMain", false, true}),
                         [](const auto& info) { return std::string(info.param.name); });

// The upgrade's way to make HIMAS32 from HIMAS31: copy everything, then empty it.
TEST_F(BatchMoveTest, CopiesAWholeTableIntoANewOne) {
    main().execute(QStringLiteral("DROP TABLE HIMAS32"));
    EXPECT_EQ(copy(dm1, QStringLiteral("SELECT * FROM HIMAS31"), dm1, QStringLiteral("HIMAS32"),
                   dm1.batchMove1()),
              3);
    EXPECT_EQ(main().columnNames(QStringLiteral("HIMAS32")),
              main().columnNames(QStringLiteral("HIMAS31")));
    EXPECT_EQ(main().declaredTypes(QStringLiteral("HIMAS32")),
              main().declaredTypes(QStringLiteral("HIMAS31")));
    EXPECT_EQ(
        rowsOf(main(), QStringLiteral("SELECT KCODE, KNAME FROM HIMAS32 WHERE HYMD = '26/11/30'")),
        QStringList{"000001|北運輸"});
}

// A table copied onto itself keeps the selected rows and loses the others.
TEST_F(BatchMoveTest, CopiesATableOntoItself) {
    EXPECT_EQ(copy(dm2, QStringLiteral("SELECT * FROM HIMAS31 WHERE HYMD = '26/11/30'"), dm2,
                   QStringLiteral("HIMAS31"), dm2.batchMove1()),
              1);
    EXPECT_EQ(rowsOf(work(), QStringLiteral("SELECT KCODE, HYMD FROM HIMAS31")),
              QStringList{"000001|26/11/30"});
}

TEST_F(BatchMoveTest, CopiesOnlyTheRowsTheSourceShowsUnderItsFilter) {
    TableDataset& source = dm1.table(QStringLiteral("HIMAS31"));
    source.setFilter(QStringLiteral("HYMD = '26/10/31'"));
    source.setFiltered(true);
    TableDataset& destination = dm2.table1();
    destination.setTableName(QStringLiteral("HIMAS31"));
    EXPECT_EQ(dm2.batchMove1().execute(source, destination), 2);
    EXPECT_EQ(work().scalar(QStringLiteral("SELECT COUNT(*) FROM HIMAS31")).toInt(), 2);
    EXPECT_EQ(work().columnNames(QStringLiteral("HIMAS31")).size(), 23);
}

// A statement of the destination's own database that is not open goes across inside the
// engine: its bound values, its columns' declared types and its order come along, a
// filter set on it still narrows the rows, and a failure leaves the destination alone.
TEST_F(BatchMoveTest, AClosedStatementOfTheSameDatabaseCopiesAsAnOpenOneDoes) {
    struct Case {
        const char* name;
        const char* filter;
        const char* sql;
        QStringList rows;  // HWRK31 afterwards; empty: the copy fails and HWRK31 stays
    };
    for (const Case& c : {
             Case{"Bound",
                  "",
                  "SELECT KCODE, HYMD, UKING FROM HIMAS31 WHERE HYMD <= :H ORDER BY KCODE DESC",
                  {"000002|26/10/31|3000000000", "000001|26/10/31|120000"}},
             Case{"Filtered",
                  "KCODE = '000001'",
                  "SELECT KCODE, HYMD, UKING FROM HIMAS31 WHERE HYMD <= :H",
                  {"000001|26/10/31|120000"}},
             Case{"Failing", "", "SELECT KCODE, KCODE FROM HIMAS31 WHERE HYMD <= :H", {}},
         }) {
        SCOPED_TRACE(c.name);
        work().execute(QStringLiteral("DELETE FROM HWRK31"));
        work().execute(QStringLiteral("INSERT INTO HWRK31 (KCODE) VALUES ('OLD')"));
        QueryDataset& query = dm2.query1();
        query.close();
        query.setSql({QString::fromLatin1(c.sql)});
        query.setParam(QStringLiteral("H"), QStringLiteral("26/10/31"));
        query.setFilter(QString::fromLatin1(c.filter));
        query.setFiltered(*c.filter != 0);
        TableDataset& destination = dm2.table1();
        destination.setTableName(QStringLiteral("HWRK31"));
        if (c.rows.isEmpty()) {
            EXPECT_THROW(dm2.batchMove1().execute(query, destination), DbError);
            EXPECT_EQ(rowsOf(work(), QStringLiteral("SELECT KCODE FROM HWRK31")),
                      QStringList{"OLD"});
        } else {
            EXPECT_EQ(dm2.batchMove1().execute(query, destination), c.rows.size());
            EXPECT_EQ(rowsOf(work(), QStringLiteral("SELECT * FROM HWRK31")), c.rows);
            EXPECT_EQ(columnInfoFromDeclaredType(QStringLiteral("KCODE"),
                                                 work().declaredTypes(QStringLiteral("HWRK31"))[0])
                          .width,
                      6);
        }
        query.close();
        query.setFiltered(false);
    }
}

// A copy that fails leaves the destination as it was.
TEST_F(BatchMoveTest, AFailedCopyLeavesTheDestinationAlone) {
    QueryDataset& query = dm1.query1();
    query.clearSql();
    query.addSql(QStringLiteral("SELECT KCODE, KCODE FROM HIMAS31"));
    query.open();
    TableDataset& destination = dm2.table1();
    destination.setTableName(QStringLiteral("HIMAS31"));
    EXPECT_THROW(dm2.batchMove1().execute(query, destination), DbError);
    EXPECT_EQ(work().scalar(QStringLiteral("SELECT COUNT(*) FROM HIMAS31")).toInt(), 3);
    EXPECT_EQ(work().columnNames(QStringLiteral("HIMAS31")).size(), 23);
}

TEST_F(BatchMoveTest, RefusesADestinationWithoutATable) {
    QueryDataset& query = dm1.query1();
    query.open();
    dm2.table1().setTableName(QString());
    EXPECT_THROW(dm2.batchMove1().execute(query, dm2.table1()), DbError);
}

// The invoice run keeps its header in the sales ledger: the rows of WK_SEK_HED are added
// to HITRANM by column name, although DDAY is the fifth column of one and the
// twenty-fourth of the other; the ledger's own lines stay.
TEST_F(BatchMoveTest, AppendAddsTheRowsByColumnName) {
    seedRows(main(), QStringLiteral("HITRANM"),
             {{{"CODE", "10"}, {"KCODE", "000001"}, {"DDAY", "26/11/05"}, {"UKING", 5000}}});
    seedRows(main(), QStringLiteral("WK_SEK_HED"),
             {{{"KCODE", "000001"},
               {"KNAME", "O'Hara 運送"},
               {"DDAY", "26/11/01"},
               {"HYMD", "26/11/01"},
               {"THYMD", "26/11/30"},
               {"UKING", 123457},
               {"ZKING", 12345},
               {"GKING", 135802}}});
    ASSERT_EQ(main().columnNames(QStringLiteral("WK_SEK_HED")).indexOf("DDAY"), 4);
    ASSERT_EQ(main().columnNames(QStringLiteral("HITRANM")).indexOf("DDAY"), 23);

    const BatchMove append(QStringLiteral("BatchMove1"), BatchMove::Mode::Append);
    EXPECT_EQ(copy(dm1, QStringLiteral("SELECT * FROM WK_SEK_HED"), dm1, QStringLiteral("HITRANM"),
                   append),
              1);
    EXPECT_EQ(rowsOf(main(), QStringLiteral("SELECT CODE, KCODE, KNAME, DDAY, HYMD, THYMD, "
                                            "UKING, ZKING, GKING FROM HITRANM ORDER BY rowid")),
              (QStringList{"10|000001|<null>|26/11/05|<null>|<null>|5000|<null>|<null>",
                           "<null>|000001|O'Hara 運送|26/11/01|26/11/01|26/11/30|123457|12345|"
                           "135802"}));
    EXPECT_EQ(main().columnNames(QStringLiteral("HITRANM")).size(), 29);

    // From the working copy, with fewer columns than the destination: the rest stay NULL.
    seedRows(work(), QStringLiteral("WK_SEK_HED"), {{{"KCODE", "000002"}, {"DDAY", "26/12/01"}}});
    EXPECT_EQ(copy(dm2, QStringLiteral("SELECT DDAY, kcode FROM WK_SEK_HED"), dm1,
                   QStringLiteral("HITRANM"), append),
              1);
    EXPECT_EQ(rowsOf(main(), QStringLiteral("SELECT KCODE, DDAY, KNAME, UKING FROM HITRANM "
                                            "WHERE KCODE = '000002'")),
              QStringList{"000002|26/12/01|<null>|<null>"});
}

// A source column the destination lacks would lose its values: nothing is added and the
// message names every such column. A destination that is not there is refused too.
TEST_F(BatchMoveTest, AppendRefusesColumnsTheDestinationLacks) {
    seedRows(main(), QStringLiteral("WK_SEK_HED"), {{{"KCODE", "000001"}, {"UKING", 100}}});
    const BatchMove append(QStringLiteral("BatchMove1"), BatchMove::Mode::Append);
    try {
        copy(dm1,
             QStringLiteral("SELECT KCODE, UKING * 2 AS DOUBLED, UKING AS SALES FROM "
                            "WK_SEK_HED"),
             dm1, QStringLiteral("HITRANM"), append);
        ADD_FAILURE() << "appended";
    } catch (const DbError& error) {
        EXPECT_TRUE(error.message().contains("'DOUBLED', 'SALES'"))
            << error.message().toStdString();
        EXPECT_TRUE(error.message().contains("HITRANM")) << error.message().toStdString();
    }
    EXPECT_EQ(main().scalar(QStringLiteral("SELECT COUNT(*) FROM HITRANM")).toInt(), 0);

    try {
        copy(dm1, QStringLiteral("SELECT * FROM WK_SEK_HED"), dm1, QStringLiteral("HITRAN_X"),
             append);
        ADD_FAILURE() << "appended";
    } catch (const DbError& error) {
        EXPECT_TRUE(error.message().contains("HITRAN_X")) << error.message().toStdString();
    }
    EXPECT_FALSE(main().tableExists(QStringLiteral("HITRAN_X")));
}

// BatchMove2 matches rows by the destination view's index columns: matching rows are
// updated, the others appended, and the destination keeps its layout.
TEST_F(BatchMoveTest, AppendUpdateMatchesRowsByTheDestinationsIndex) {
    seedRows(work(), QStringLiteral("HIMAS1"),
             {{{"TENCOD", "01"}, {"TENMEI", "旧本社"}}, {{"TENCOD", "03"}, {"TENMEI", "福岡"}}});
    seedRows(main(), QStringLiteral("HIMAS1"),
             {{{"TENCOD", "01"}, {"TENMEI", "本社"}}, {{"TENCOD", "02"}, {"TENMEI", "大阪"}}});
    QueryDataset& query = dm1.query1();  // "SELECT * From HIMAS1"
    query.open();
    TableDataset& destination = dm2.table(QStringLiteral("HIMAS1"));  // ordered by TENCOD
    EXPECT_EQ(dm2.batchMove2().execute(query, destination), 2);
    EXPECT_EQ(rowsOf(work(), QStringLiteral("SELECT TENCOD, TENMEI FROM HIMAS1 ORDER BY TENCOD")),
              (QStringList{"01|本社", "02|大阪", "03|福岡"}));

    TableDataset& unordered = dm2.table(QStringLiteral("HITRAN1"));
    EXPECT_THROW(dm2.batchMove2().execute(query, unordered), DbError);
}

}  // namespace
}  // namespace vantir::test
