#include <gtest/gtest.h>

#include <QFile>

#include "CliRun.h"
#include "maintenance/rules/OfficeSettingsFile.h"
#include "platform/db/Connection.h"
#include "support/Seed.h"
#include "support/TestProgramDir.h"

namespace vantir::test {
namespace {

TEST(InitCommandTest, CreatesTheMainDatabaseWithTheFreshContent) {
    TestProgramDir dir(TestProgramDir::Content::Empty);
    const CliRun created = run(runInitCommand, dir.path(), {});
    EXPECT_EQ(created.exitCode, 0) << created.err.toStdString();
    ASSERT_TRUE(QFile::exists(dir.mainDatabase()));
    EXPECT_FALSE(QFile::exists(dir.workingCopy()));
    Connection connection;
    connection.open(dir.mainDatabase(), /*create=*/false);
    EXPECT_EQ(
        connection.scalar(QStringLiteral("SELECT ZEIGAKU FROM SHOZEI WHERE CODE = 1")).toInt(), 10);
}

TEST(InitCommandTest, RefusesToOverwriteAnExistingDatabase) {
    TestProgramDir dir;
    {
        Connection connection;
        connection.open(dir.mainDatabase(), /*create=*/false);
        seedRows(connection, QStringLiteral("HIMAS1"), {{{"TENCOD", "01"}}});
    }
    const CliRun again = run(runInitCommand, dir.path(), {});
    EXPECT_NE(again.exitCode, 0);
    EXPECT_TRUE(again.err.contains(QStringLiteral("VANTIR.mdb"))) << again.err.toStdString();
    Connection connection;
    connection.open(dir.mainDatabase(), /*create=*/false);
    EXPECT_EQ(connection.scalar(QStringLiteral("SELECT COUNT(*) FROM HIMAS1")).toInt(), 1);
}

TEST(InitCommandTest, SampleMakesACompanyOfTheSizeAskedForAndItsOwnOffice) {
    TestProgramDir dir(TestProgramDir::Content::Empty);
    const CliRun created =
        run(runInitCommand, dir.path(),
            {"--sample", "--partners", "12", "--slips=250", "--months", "2", "--seed=42"});
    ASSERT_EQ(created.exitCode, 0) << created.err.toStdString();
    EXPECT_TRUE(created.out.contains(QStringLiteral("12 partners, 250 slips")))
        << created.out.toStdString();
    Connection connection;
    connection.open(dir.mainDatabase(), /*create=*/false);
    EXPECT_EQ(rowsOf(connection, "SELECT COUNT(*), COUNT(DISTINCT Left(HYMD, 5)) FROM HITRAN1"),
              QStringList{"250|2"});
    EXPECT_EQ(connection.scalar("SELECT COUNT(*) FROM HIMAS3").toInt(), 12);
    EXPECT_EQ(rowsOf(connection, "SELECT CNAME Is Not Null, VTCD FROM COP_DAT, S_CONTROL"),
              QStringList{"1|01"});
    // The own office is one of the branches, so the first start does not ask for it.
    const auto office = OfficeSettingsFile(dir.path()).read();
    ASSERT_TRUE(office.has_value());
    EXPECT_EQ(rowsOf(connection, "SELECT TENMEI FROM HIMAS1 WHERE TENCOD = '" + office->code + "'"),
              QStringList{office->name});
}

// A value the sample cannot take is refused before anything is made.
TEST(InitCommandTest, RefusedSampleOptionsCreateNothing) {
    struct Case {
        QStringList args;
        const char* inMessage;
    };
    const Case cases[] = {
        {{"--sample", "--slips", "many"}, "--slips"},
        {{"--sample", "--slips", "1000000"}, "999999"},
        {{"--sample", "--slips", "-5"}, "--slips"},
        {{"--sample", "--partners=2"}, "--partners"},
        {{"--sample", "--months", "0"}, "--months"},
        {{"--sample", "--months", "121"}, "--months"},
        {{"--sample", "--seed", "4294967296"}, "--seed"},
        {{"--sample", "--seed"}, "needs a value"},
        {{"--sample", "--colour", "3"}, "--colour"},
        {{"--slips", "10"}, "needs --sample"},
        {{"sample"}, "unknown option sample"},
    };
    for (const Case& c : cases) {
        TestProgramDir dir(TestProgramDir::Content::Empty);
        const CliRun refused = run(runInitCommand, dir.path(), c.args);
        const std::string label = c.args.join(' ').toStdString();
        EXPECT_EQ(refused.exitCode, 2) << label;
        EXPECT_TRUE(refused.err.contains(QString::fromLatin1(c.inMessage)))
            << refused.err.toStdString();
        EXPECT_TRUE(refused.err.contains(QStringLiteral("usage"))) << label;
        EXPECT_EQ(refused.out, QString()) << label;
        EXPECT_FALSE(QFile::exists(dir.mainDatabase())) << label;
        EXPECT_FALSE(QFile::exists(dir.filePath(OfficeSettingsFile::kFileName))) << label;
    }
}

TEST(InitCommandTest, SampleLeavesAnExistingCompanyAndItsOfficeAlone) {
    TestProgramDir dir;
    OfficeSettingsFile(dir.path()).write({"07", "福岡営業所"});
    const CliRun again = run(runInitCommand, dir.path(), {"--sample"});
    EXPECT_EQ(again.exitCode, 1);
    EXPECT_TRUE(again.err.contains(QStringLiteral("VANTIR.mdb"))) << again.err.toStdString();
    Connection connection;
    connection.open(dir.mainDatabase(), /*create=*/false);
    EXPECT_EQ(connection.scalar(QStringLiteral("SELECT COUNT(*) FROM HIMAS3")).toInt(), 0);
    EXPECT_EQ(OfficeSettingsFile(dir.path()).read()->code, QStringLiteral("07"));
}

class SqlCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Connection connection;
        connection.open(dir.mainDatabase(), /*create=*/false);
        seedRows(connection, QStringLiteral("HIMAS1"),
                 {{{"TENCOD", "01"}, {"TENMEI", "本社"}},
                  {{"TENCOD", "02"}},
                  {{"TENCOD", "03"}, {"TENMEI", "a\tb"}}});
    }
    TestProgramDir dir;
};

TEST_F(SqlCommandTest, PrintsAHeaderAndOneTabSeparatedLinePerRow) {
    struct Case {
        QStringList args;
        QString out;
    };
    const Case cases[] = {
        {{"SELECT TENCOD, TENMEI FROM HIMAS1 ORDER BY TENCOD"},
         "TENCOD\tTENMEI\n01\t本社\n02\t\n03\ta\\tb\n"},
        {{"select count(*) from HIMAS1 where TENMEI Is Null"}, "Expr1000\n1\n"},
        {{"SELECT TENCOD FROM HIMAS1 WHERE TENCOD = '09'"}, "TENCOD\n"},
        {{"SELECT CODE, ZEIGAKU FROM SHOZEI"}, "CODE\tZEIGAKU\n1\t10\n"},
        {{"UpDate HIMAS1 Set TENMEI = 'x' WHERE TENCOD = '02'"}, ""},
    };
    for (const Case& c : cases) {
        const CliRun result = run(runSqlCommand, dir.path(), c.args);
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_EQ(result.out, c.out) << c.args.join(' ').toStdString();
    }
}

// --work reads the working copy, which differs from the main database after this change.
TEST_F(SqlCommandTest, WorkRunsOnTheWorkingCopy) {
    const QStringList count{"--work", "SELECT COUNT(*) AS N FROM HIMAS1"};
    EXPECT_EQ(run(runSqlCommand, dir.path(), count).out, QStringLiteral("N\n0\n"));
    dir.copyMainToWorkingCopy();
    EXPECT_EQ(run(runSqlCommand, dir.path(), count).out, QStringLiteral("N\n3\n"));
}

TEST_F(SqlCommandTest, AFailingStatementPrintsTheDatabasesMessageAndFails) {
    struct Case {
        QStringList args;
        const char* inMessage;
    };
    const Case cases[] = {
        {{"SELECT * FROM NO_SUCH_TABLE"}, "NO_SUCH_TABLE"},
        {{"SELECT NOCOLUMN FROM HIMAS1"}, "NOCOLUMN"},
        {{}, "usage"},
        {{"SELECT 1", "SELECT 2"}, "usage"},
    };
    for (const Case& c : cases) {
        const CliRun result = run(runSqlCommand, dir.path(), c.args);
        EXPECT_NE(result.exitCode, 0) << c.args.join(' ').toStdString();
        EXPECT_TRUE(result.err.contains(QString::fromLatin1(c.inMessage)))
            << result.err.toStdString();
        EXPECT_EQ(result.out, QString());
    }
}

TEST(SqlCommandMissingDatabaseTest, SaysWhichFileIsMissing) {
    TestProgramDir dir(TestProgramDir::Content::Empty);
    const CliRun result = run(runSqlCommand, dir.path(), {"SELECT 1"});
    EXPECT_NE(result.exitCode, 0);
    EXPECT_TRUE(result.err.contains(QStringLiteral("VANTIR.mdb"))) << result.err.toStdString();
    EXPECT_FALSE(QFile::exists(dir.mainDatabase()));
}

}  // namespace
}  // namespace vantir::test
