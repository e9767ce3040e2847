#include <gtest/gtest.h>

#include <QFile>

#include "data/FreshDatabase.h"
#include "data/Schema.h"
#include "platform/db/Connection.h"
#include "support/Seed.h"
#include "support/TestProgramDir.h"

namespace vantir::test {
namespace {

class FreshDatabaseTest : public ::testing::Test {
  protected:
    void SetUp() override { connection.open(dir.mainDatabase(), /*create=*/false); }
    TestProgramDir dir;
    Connection connection;
};

TEST_F(FreshDatabaseTest, HoldsTheSettingsAndCodeRows) {
    struct Case {
        const char* sql;
        QStringList rows;
    };
    const Case cases[] = {
        {"SELECT CODE, ZEIGAKU FROM SHOZEI", {"1|10"}},
        {"SELECT FCODE, GCODE, GNAME, FDATA, FNAME FROM FLG_DATA ORDER BY FCODE",
         {"1|1|f_siteF|1|自社締日", "2|1|f_siteF|2|通常", "3|1|f_siteF|3|相手締相殺",
          "4|2|f_YokinF|1|普通", "5|2|f_YokinF|2|当座", "6|3|f_SeikyuK|0|通常",
          "7|3|f_SeikyuK|1|降し日"}},
        {"SELECT CODE, CNAME, RPT_FLG, RPT_FLG2 FROM COP_DAT", {"1|<null>|0|0"}},
        {"SELECT CODE, VSIM, VSIT, VYOT, VKETU, VTCD FROM S_CONTROL", {"1|99|1|99|03|<null>"}},
    };
    for (const Case& c : cases) EXPECT_EQ(rowsOf(connection, c.sql), c.rows) << c.sql;
}

TEST_F(FreshDatabaseTest, EveryOtherTableStartsEmpty) {
    const QStringList seeded = {"SHOZEI", "FLG_DATA", "COP_DAT", "S_CONTROL"};
    for (const TableLayout& layout : Schema::tables()) {
        if (seeded.contains(layout.name)) continue;
        EXPECT_EQ(connection.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + layout.name).toInt(),
                  0)
            << layout.name.toStdString();
    }
}

TEST_F(FreshDatabaseTest, NoTableRefusesARepeatedKey) {
    const SeedRow office{{"TENCOD", "01"}, {"TENMEI", "本社"}};
    seedRows(connection, QStringLiteral("HIMAS1"), {office, office});
    EXPECT_EQ(connection.scalar(QStringLiteral("SELECT COUNT(*) FROM HIMAS1")).toInt(), 2);
}

TEST(FreshDatabaseFileTest, RefusesToOverwriteAnExistingFile) {
    TestProgramDir dir;
    Connection connection;
    connection.open(dir.mainDatabase(), /*create=*/false);
    seedRows(connection, QStringLiteral("HIMAS1"), {{{"TENCOD", "01"}}});
    connection.close();

    const Result again = FreshDatabase::createFile(dir.mainDatabase());
    EXPECT_FALSE(again.ok);
    EXPECT_TRUE(again.message.contains(QStringLiteral("VANTIR.mdb")))
        << again.message.toStdString();
    connection.open(dir.mainDatabase(), /*create=*/false);
    EXPECT_EQ(connection.scalar(QStringLiteral("SELECT COUNT(*) FROM HIMAS1")).toInt(), 1);
}

TEST(FreshDatabaseFileTest, CreatesTheFolderWhenMissing) {
    TestProgramDir dir(TestProgramDir::Content::Empty);
    const QString path = dir.filePath(QStringLiteral("Elsewhere/New/VANTIR.mdb"));
    ASSERT_TRUE(FreshDatabase::createFile(path).ok);
    Connection connection;
    connection.open(path, /*create=*/false);
    EXPECT_EQ(connection.scalar(QStringLiteral("SELECT COUNT(*) FROM FLG_DATA")).toInt(), 7);
}

}  // namespace
}  // namespace vantir::test
