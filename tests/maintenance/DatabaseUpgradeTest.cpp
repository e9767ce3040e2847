#include <gtest/gtest.h>

#include <functional>

#include "maintenance/rules/DatabaseUpgrade.h"
#include "platform/db/Database.h"
#include "support/Seed.h"
#include "support/TestProgramDir.h"

namespace vantir::test {
namespace {

qint64 countOf(Connection& connection, const QString& table) {
    return connection.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table).toLongLong();
}

const QStringList kSevenCodeRows = {
    "1|1|f_siteF|1|自社締日", "2|1|f_siteF|2|通常",  "3|1|f_siteF|3|相手締相殺",
    "4|2|f_YokinF|1|普通",    "5|2|f_YokinF|2|当座", "6|3|f_SeikyuK|0|通常",
    "7|3|f_SeikyuK|1|降し日",
};

// A main database of an earlier version: the fresh one with one piece taken away.
struct UpgradeCase {
    const char* name;
    QStringList olderDatabase;  // statements that make it older
    QStringList changes;        // what the upgrade reports
    std::function<void(Connection&)> check;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const UpgradeCase& c, std::ostream* os) { *os << c.name; }

class DatabaseUpgradeTest : public ::testing::TestWithParam<UpgradeCase> {
  protected:
    TestProgramDir dir;
};

TEST_P(DatabaseUpgradeTest, BringsTheDatabaseUpToDateOnceAndLeavesItAlone) {
    const UpgradeCase& c = GetParam();
    Database main(QStringLiteral("VANTIR"), dir.mainDatabase());
    seedRows(main, QStringLiteral("HIMAS3"),
             {{{"KCODE", "000001"}, {"KNAME", "丸山運送"}}, {{"KCODE", "000002"}}});
    for (const QString& statement : c.olderDatabase) main.connection().execute(statement);

    DatabaseUpgrade upgrade(main);
    ASSERT_TRUE(upgrade.run()) << upgrade.error().toStdString();
    EXPECT_EQ(upgrade.changes(), c.changes);
    c.check(main.connection());

    // The next start finds nothing to do.
    const QStringList schema = rowsOf(main.connection(), "SELECT sql FROM sqlite_master");
    DatabaseUpgrade again(main);
    ASSERT_TRUE(again.run());
    EXPECT_EQ(again.changes(), QStringList());
    EXPECT_EQ(rowsOf(main.connection(), "SELECT sql FROM sqlite_master"), schema);
    c.check(main.connection());
}

INSTANTIATE_TEST_SUITE_P(
    OlderDatabases, DatabaseUpgradeTest,
    ::testing::Values(
        UpgradeCase{
            "UpToDate",
            {},
            {},
            [](Connection& db) {
                EXPECT_EQ(db.columnNames("HIMAS3").size(), 35);
                EXPECT_EQ(rowsOf(db, "SELECT * FROM FLG_DATA ORDER BY FCODE"), kSevenCodeRows);
                EXPECT_EQ(rowsOf(db, "SELECT RPT_FLG, RPT_FLG2 FROM COP_DAT"), QStringList{"0|0"});
            }},
        UpgradeCase{"Himas3With34Columns",
                    {"ALTER TABLE HIMAS3 DROP COLUMN KY_KBN"},
                    {"HIMAS3: added the column KY_KBN"},
                    [](Connection& db) {
                        const QStringList columns = db.columnNames("HIMAS3");
                        EXPECT_EQ(columns.size(), 35);
                        EXPECT_EQ(columns.last(), "KY_KBN");
                        EXPECT_EQ(db.declaredTypes("HIMAS3").last().toUpper(), "CHAR(1)");
                        EXPECT_EQ(
                            rowsOf(db, "SELECT KCODE, KNAME, KY_KBN FROM HIMAS3 ORDER BY KCODE"),
                            (QStringList{"000001|丸山運送|<null>", "000002|<null>|<null>"}));
                    }},
        UpgradeCase{
            "NoControlTable",
            {"DROP TABLE S_CONTROL"},
            {"S_CONTROL: created, empty"},
            [](Connection& db) {
                EXPECT_EQ(db.columnNames("S_CONTROL"),
                          (QStringList{"CODE", "VSIM", "VSIT", "VYOT", "VKETU", "VTCD", "VPRN",
                                       "VHEN", "VSUB"}));
                EXPECT_EQ(
                    db.declaredTypes("S_CONTROL").join(',').toUpper(),
                    "CHAR(2),CHAR(2),CHAR(1),CHAR(2),CHAR(2),CHAR(2),CHAR(1),CHAR(1),CHAR(2)");
                EXPECT_EQ(countOf(db, "S_CONTROL"), 0);
            }},
        UpgradeCase{"NoHimas32WithRowsInHimas31",
                    {"DROP TABLE HIMAS32",
                     "INSERT INTO HIMAS31 (KCODE, HYMD, UKING) VALUES ('000001', '26/10/31', 5000)",
                     "INSERT INTO HIMAS31 (KCODE, HYMD, UKING) VALUES ('000002', '26/10/31', 700)"},
                    {"HIMAS32: created with the columns of HIMAS31, empty"},
                    [](Connection& db) {
                        EXPECT_EQ(db.columnNames("HIMAS32"), db.columnNames("HIMAS31"));
                        EXPECT_EQ(db.declaredTypes("HIMAS32"), db.declaredTypes("HIMAS31"));
                        EXPECT_EQ(countOf(db, "HIMAS32"), 0);
                        EXPECT_EQ(countOf(db, "HIMAS31"), 2);
                    }},
        UpgradeCase{"FlgDataWithSixRows",
                    {"DELETE FROM FLG_DATA WHERE FCODE = 7",
                     "UPDATE FLG_DATA SET FNAME = 'user text' WHERE FCODE = 1"},
                    {"FLG_DATA: rebuilt with its 7 code rows (had 6)"},
                    [](Connection& db) {
                        EXPECT_EQ(rowsOf(db, "SELECT * FROM FLG_DATA ORDER BY FCODE"),
                                  kSevenCodeRows);
                        EXPECT_EQ(db.declaredTypes("FLG_DATA").join(',').toUpper(),
                                  "INT,INT,VARCHAR(10),CHAR(2),VARCHAR(20)");
                    }},
        UpgradeCase{"FlgDataWithEightRows",
                    {"INSERT INTO FLG_DATA VALUES (8, 3, 'f_SeikyuK', '2', '追加')",
                     "UPDATE FLG_DATA SET FNAME = 'user text' WHERE FCODE = 1"},
                    {},
                    [](Connection& db) {
                        const QStringList rows =
                            rowsOf(db, "SELECT * FROM FLG_DATA ORDER BY FCODE");
                        ASSERT_EQ(rows.size(), 8);
                        EXPECT_EQ(rows.first(), "1|1|f_siteF|1|user text");
                        EXPECT_EQ(rows.last(), "8|3|f_SeikyuK|2|追加");
                    }},
        UpgradeCase{
            "CopDatWithNineColumns",
            {"ALTER TABLE COP_DAT DROP COLUMN RPT_FLG2", "ALTER TABLE COP_DAT DROP COLUMN RPT_FLG",
             "UPDATE COP_DAT SET CNAME = '北運輸'"},
            {"COP_DAT: added the column RPT_FLG", "COP_DAT: added the column RPT_FLG2",
             "COP_DAT: RPT_FLG set to 1 in every row", "COP_DAT: RPT_FLG2 set to 1 in every row"},
            [](Connection& db) {
                EXPECT_EQ(db.columnNames("COP_DAT").size(), 11);
                EXPECT_EQ(rowsOf(db, "SELECT CODE, CNAME, RPT_FLG, RPT_FLG2 FROM COP_DAT"),
                          QStringList{"1|北運輸|1|1"});
            }}),
    [](const auto& info) { return std::string(info.param.name); });

// Errors of the steps that create tables end the upgrade with the database's message; the
// steps after it are not run. Errors of the column steps are swallowed.
TEST(DatabaseUpgradeErrorTest, AMissingCodeTableEndsTheUpgradeWithTheDatabasesMessage) {
    TestProgramDir dir;
    Database main(QStringLiteral("VANTIR"), dir.mainDatabase());
    for (const char* statement :
         {"DROP TABLE FLG_DATA", "DROP TABLE S_CONTROL", "ALTER TABLE COP_DAT DROP COLUMN RPT_FLG2",
          "ALTER TABLE COP_DAT DROP COLUMN RPT_FLG"})
        main.connection().execute(QString::fromUtf8(statement));

    DatabaseUpgrade upgrade(main);
    EXPECT_FALSE(upgrade.run());
    EXPECT_TRUE(upgrade.error().contains("FLG_DATA")) << upgrade.error().toStdString();
    EXPECT_EQ(upgrade.changes(), QStringList{"S_CONTROL: created, empty"});
    EXPECT_EQ(main.connection().columnNames("COP_DAT").size(), 9);
}

TEST(DatabaseUpgradeErrorTest, AColumnThatExistsUnderAShortCountIsSwallowed) {
    TestProgramDir dir;
    Database main(QStringLiteral("VANTIR"), dir.mainDatabase());
    // Nine columns, one of them already RPT_FLG2: the first ALTER works, the second fails.
    for (const char* statement :
         {"ALTER TABLE COP_DAT DROP COLUMN RPT_FLG", "ALTER TABLE COP_DAT DROP COLUMN CETC"})
        main.connection().execute(QString::fromUtf8(statement));

    DatabaseUpgrade upgrade(main);
    EXPECT_TRUE(upgrade.run());
    EXPECT_EQ(upgrade.changes(), QStringList{"COP_DAT: added the column RPT_FLG"});
    EXPECT_EQ(rowsOf(main.connection(), "SELECT RPT_FLG, RPT_FLG2 FROM COP_DAT"),
              QStringList{"<null>|0"});
}

}  // namespace
}  // namespace vantir::test
