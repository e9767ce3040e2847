#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QLockFile>

#include "CliRun.h"
#include "platform/db/Connection.h"
#include "support/Seed.h"
#include "support/TestProgramDir.h"

namespace vantir::test {
namespace {

// Every table of a database with every row, to compare two files by content.
QStringList contentOf(const QString& path) {
    Connection connection;
    connection.open(path, /*create=*/false);
    QStringList content;
    for (const QString& table :
         rowsOf(connection, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY name")) {
        content << table;
        content << rowsOf(connection, "SELECT * FROM " + table);
    }
    return content;
}

class BackupAndCompactTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Connection main;
        main.open(dir.mainDatabase(), /*create=*/false);
        QList<SeedRow> rows;
        for (int i = 0; i < 500; ++i)
            rows << SeedRow{{"CODE", QString::number(i)}, {"DDAY", "26/12/01"}, {"UKING", 1200 + i}};
        main.begin();
        seedRows(main, "HITRAN1", rows);
        main.commit();
        seedRows(main, "HIMAS3", {{{"KCODE", "000001"}, {"KNAME", "丸山運送"}}});
        main.execute("DELETE FROM HITRAN1 WHERE CODE > '3'");
        dir.copyMainToWorkingCopy();
    }
    TestProgramDir dir;
};

TEST_F(BackupAndCompactTest, BackupIsAValidDatabaseEqualInContentToTheMainOne) {
    const QString backup = dir.filePath("nightly/VANTIR-backup.mdb");
    QDir().mkpath(dir.filePath("nightly"));
    // The program holds the main database open meanwhile, with a write in its journal.
    Connection program;
    program.open(dir.mainDatabase(), /*create=*/false);
    program.begin();
    program.execute("DELETE FROM HIMAS3");
    const CliRun done = run(runBackupCommand, dir.path(), {backup});
    ASSERT_EQ(done.exitCode, 0) << done.err.toStdString();
    EXPECT_EQ(contentOf(backup), contentOf(dir.mainDatabase()));
    Connection copy;
    copy.open(backup, /*create=*/false);
    EXPECT_EQ(copy.scalar("PRAGMA integrity_check").toString(), "ok");
    EXPECT_EQ(rowsOf(copy, "SELECT KNAME FROM HIMAS3"), QStringList{"丸山運送"});
    program.rollback();
}

TEST_F(BackupAndCompactTest, CompactKeepsTheContentOfEitherDatabase) {
    for (const bool work : {false, true}) {
        SCOPED_TRACE(work);
        const QString path = work ? dir.workingCopy() : dir.mainDatabase();
        const QStringList before = contentOf(path);
        const CliRun done =
            run(runCompactCommand, dir.path(), work ? QStringList{"--work"} : QStringList{});
        ASSERT_EQ(done.exitCode, 0) << done.err.toStdString();
        EXPECT_EQ(contentOf(path), before);
    }
}

TEST_F(BackupAndCompactTest, FailuresExitNonZeroWithAMessage) {
    const struct {
        const char* name;
        CliCommand command;
        QStringList args;
        const char* message;
    } cases[] = {
        {"backup into a missing folder", runBackupCommand, {"/nonexistent/dir/b.mdb"}, "backup failed"},
        {"backup without a file", runBackupCommand, {}, "usage:"},
        {"compact with a stray argument", runCompactCommand, {"--all"}, "usage:"},
    };
    for (const auto& c : cases) {
        const CliRun done = run(c.command, dir.path(), c.args);
        EXPECT_NE(done.exitCode, 0) << c.name;
        EXPECT_TRUE(done.err.contains(c.message)) << c.name << ": " << done.err.toStdString();
    }

    QFile::remove(dir.workingCopy());
    const CliRun noCopy = run(runCompactCommand, dir.path(), {"--work"});
    EXPECT_NE(noCopy.exitCode, 0);
    EXPECT_TRUE(noCopy.err.contains("VANTIRX.mdb")) << noCopy.err.toStdString();

    QFile foreign(dir.mainDatabase());
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly | QIODevice::Truncate));
    foreign.write(QByteArray(4096, 'x'));
    foreign.close();
    const CliRun notADatabase = run(runCompactCommand, dir.path(), {});
    EXPECT_NE(notADatabase.exitCode, 0);
    EXPECT_TRUE(notADatabase.err.contains("not a database")) << notADatabase.err.toStdString();
}

TEST_F(BackupAndCompactTest, ASecondRunningCopyOnTheSameDirectoryIsRefused) {
    const std::pair<const char*, CliCommand> commands[] = {{"backup", runBackupCommand},
                                                            {"compact", runCompactCommand}};
    for (const auto& [name, command] : commands) {
        QLockFile running(dir.filePath(QStringLiteral("vantir-cli-%1.lock").arg(name)));
        ASSERT_TRUE(running.tryLock(0));
        const QStringList args = QString(name) == "backup" ? QStringList{dir.filePath("b.mdb")}
                                                            : QStringList{};
        const CliRun refused = run(command, dir.path(), args);
        EXPECT_NE(refused.exitCode, 0) << name;
        EXPECT_TRUE(refused.err.contains(QStringLiteral("another %1 is running").arg(name)))
            << refused.err.toStdString();
        running.unlock();
        EXPECT_EQ(run(command, dir.path(), args).exitCode, 0) << name;
    }
}

}  // namespace
}  // namespace vantir::test
