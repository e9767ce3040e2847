#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "maintenance/rules/DataSourceRegistration.h"
#include "maintenance/rules/YearEndPurge.h"
#include "platform/db/Database.h"
#include "platform/db/EngineLibrary.h"
#include "platform/system/Registry.h"
#include "support/ScriptedMessages.h"
#include "support/Seed.h"
#include "support/TestProgramDir.h"

namespace vantir::test {
namespace {

const QStringList kSlipTables = {"HITRAN1", "HITRAN2", "HITRAN3", "HITRANM", "HITRANS"};
const QStringList kMonthlyTables = {"HIMAS31", "HIMAS32", "HIMAS33"};

TEST(YearEndPurgeBound, IsTheFirstDayAfterTheChosenMonth) {
    const struct {
        int year;
        int month;
        const char* bound;
    } cases[] = {{2001, 12, "02/01/01"}, {2001, 1, "01/02/01"}, {1999, 12, "00/01/01"},
                 {2004, 2, "04/03/01"}};
    for (const auto& c : cases)
        EXPECT_EQ(YearEndPurge::bound(c.year, c.month), QLatin1String(c.bound)) << c.year << c.month;
}

TEST(YearEndPurgeChoices, OfferFourYearsNewestFirstPresetTwoBack) {
    const QDate today(2026, 12, 10);
    EXPECT_EQ(YearEndPurge::yearChoices(today), (QStringList{"2026", "2025", "2024", "2023"}));
    EXPECT_EQ(YearEndPurge::presetYear(today), "2024");
    EXPECT_EQ(YearEndPurge::monthChoices().first(), "01");
    EXPECT_EQ(YearEndPurge::monthChoices().last(), YearEndPurge::presetMonth());
    EXPECT_EQ(YearEndPurge::archiveFileName(2001), "VANTIR2001.mdb");
    EXPECT_EQ(YearEndPurge::archiveDataSource(2001), "Rinji2001");
}

// A main database with rows on either side of the 2001/12 bound 02/01/01.
class YearEndPurgeTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const QString& table : kSlipTables) {
            seedRows(main, table,
                     {{{"CODE", "000001"}, {"DDAY", "01/12/31"}},
                      {{"CODE", "000002"}, {"DDAY", "02/01/01"}},
                      {{"CODE", "000003"}, {"DDAY", "02/03/15"}}});
        }
        for (const QString& table : kMonthlyTables) {
            seedRows(main, table,
                     {{{"KCODE", "000001"}, {"HYMD", "01/12/20"}},
                      {{"KCODE", "000002"}, {"HYMD", "02/01/01"}},
                      {{"KCODE", "000003"}, {"HYMD", "02/01/20"}}});
        }
    }

    QStringList everyTable() {
        QStringList rows;
        for (const QString& table : kSlipTables)
            rows << table + ":" + rowsOf(main.connection(), "SELECT DDAY FROM " + table).join(",");
        for (const QString& table : kMonthlyTables)
            rows << table + ":" + rowsOf(main.connection(), "SELECT HYMD FROM " + table).join(",");
        return rows;
    }
    QString archiveFile() const { return QDir(dir.path()).filePath("DataBase/VANTIR2001.mdb"); }

    TestProgramDir dir;
    QTemporaryDir registryDir;
    Registry registry{registryDir.filePath("registry.ini")};
    Database main{QStringLiteral("VANTIR"), dir.mainDatabase()};
    ScriptedMessages messages;
    YearEndPurge purge{dir.path(), main, registry, messages};
};

TEST_F(YearEndPurgeTest, MonthlyRowsOnTheBoundGoSlipsOnTheBoundStay) {
    messages.answers = {false, true};
    purge.run(2001, 12);
    for (const QString& table : kSlipTables)
        EXPECT_EQ(rowsOf(main.connection(), "SELECT DDAY FROM " + table),
                  (QStringList{"02/01/01", "02/03/15"}))
            << table.toStdString();
    for (const QString& table : kMonthlyTables)
        EXPECT_EQ(rowsOf(main.connection(), "SELECT HYMD FROM " + table), QStringList{"02/01/20"})
            << table.toStdString();
}

TEST_F(YearEndPurgeTest, NoThenYesPurgesWithoutAnArchiveAndRegistersNothing) {
    messages.answers = {false, true};
    purge.run(2001, 12);
    EXPECT_EQ(messages.shown,
              (QStringList{"question:別名保存:年度末データ処理を行いますか?",
                           "question:削除:指定月以前のデータを削除します\nよろしいですか。"}));
    EXPECT_FALSE(QFile::exists(archiveFile()));
    EXPECT_FALSE(registry.keyExists(DataSourceRegistration::dataSourceKey("Rinji2001")));
    EXPECT_FALSE(registry.readString(DataSourceRegistration::kDataSourcesKey, "Rinji2001"));
}

TEST_F(YearEndPurgeTest, YesKeepsTheYearsArchiveAndRegistersItsDataSource) {
    const QStringList before = everyTable();
    messages.answers = {true, true};
    purge.run(2001, 12);

    // The archive holds the year as it was before the deletes.
    Database archive(QStringLiteral("Rinji2001"), archiveFile());
    for (const QString& table : kSlipTables)
        EXPECT_EQ(rowsOf(archive.connection(), "SELECT DDAY FROM " + table).size(), 3);
    EXPECT_EQ(rowsOf(archive.connection(), "SELECT HYMD FROM HIMAS31").size(), 3);
    EXPECT_NE(everyTable(), before);

    const QString key = DataSourceRegistration::dataSourceKey("Rinji2001");
    const QString jet = DataSourceRegistration::jetEngineKey("Rinji2001");
    EXPECT_EQ(registry.readString(DataSourceRegistration::kDataSourcesKey, "Rinji2001"),
              "Microsoft Access Driver (*.mdb)");
    EXPECT_EQ(registry.readString(key, "DBQ"), QDir::toNativeSeparators(archiveFile()));
    EXPECT_EQ(registry.readString(key, "Driver"), engineLibraryFile());
    EXPECT_EQ(registry.readInteger(key, "DriverId"), 25);
    EXPECT_EQ(registry.readString(key, "FIL"), "Ms Access;");
    EXPECT_EQ(registry.readInteger(key, "SafeTransactions"), 0);
    EXPECT_EQ(registry.readString(key, "UID"), "");
    EXPECT_EQ(registry.readString(jet, "ImplicitCommitSync"), "");
    EXPECT_EQ(registry.readInteger(jet, "MaxBufferSize"), 2048);
    EXPECT_EQ(registry.readInteger(jet, "PageTimeout"), 5);
    EXPECT_EQ(registry.readInteger(jet, "Threads"), 3);
    EXPECT_EQ(registry.readString(jet, "UserCommitSync"), "Yes");
}

TEST_F(YearEndPurgeTest, ArchiveBesideAnOlderMainDatabaseIsTheOneRegistered) {
    QFile::copy(dir.mainDatabase(), dir.filePath("VANTIR.mdb"));
    messages.answers = {true, false};
    purge.run(2001, 12);
    EXPECT_TRUE(QFile::exists(archiveFile()));
    EXPECT_TRUE(QFile::exists(dir.filePath("VANTIR2001.mdb")));
    EXPECT_EQ(registry.readString(DataSourceRegistration::dataSourceKey("Rinji2001"), "DBQ"),
              QDir::toNativeSeparators(dir.filePath("VANTIR2001.mdb")));
}

TEST_F(YearEndPurgeTest, AFailedArchiveIsReportedAndDeletesNothing) {
    // A folder where the archive file should go: the copy cannot take its name.
    ASSERT_TRUE(QDir().mkpath(archiveFile()));
    const QStringList before = everyTable();
    messages.answers = {true, true};
    purge.run(2001, 12);
    ASSERT_EQ(messages.shown.size(), 2);
    EXPECT_TRUE(messages.shown[1].startsWith("error:年度データを保存できませんでした。"))
        << messages.shown[1].toStdString();
    EXPECT_EQ(everyTable(), before);
    EXPECT_FALSE(registry.keyExists(DataSourceRegistration::dataSourceKey("Rinji2001")));
}

TEST_F(YearEndPurgeTest, AnInterruptedPurgeLeavesEveryTableWhole) {
    // The last of the eight deletes fails.
    main.connection().execute(
        "CREATE TRIGGER HITRANS_FAILS BEFORE DELETE ON HITRANS BEGIN SELECT RAISE(ABORT, "
        "'disk I/O error'); END");
    const QStringList before = everyTable();
    messages.answers = {false, true};
    purge.run(2001, 12);
    EXPECT_EQ(messages.shown.last(), "error:disk I/O error");
    EXPECT_EQ(everyTable(), before);
    EXPECT_FALSE(main.connection().inTransaction());
}

}  // namespace
}  // namespace vantir::test
