#include <gtest/gtest.h>

#include "app/cli/CliContext.h"
#include "support/TestProgramDir.h"

namespace vantir::test {
namespace {

// What vantir-cli upgrade printed for a program directory, and its exit code.
struct UpgradeRun {
    int exitCode;
    QString out;
    QString err;
};

UpgradeRun upgrade(const QString& programDir) {
    UpgradeRun result{0, {}, {}};
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    CliContext context{programDir, out, err};
    result.exitCode = runUpgradeCommand(context, {});
    return result;
}

TEST(UpgradeCommandTest, PrintsEachChangeThenNothingToDoTheNextTime) {
    TestProgramDir dir;
    dir.executeOnMain({"DROP TABLE S_CONTROL", "ALTER TABLE HIMAS3 DROP COLUMN KY_KBN"});

    const UpgradeRun first = upgrade(dir.path());
    EXPECT_EQ(first.exitCode, 0) << first.err.toStdString();
    EXPECT_EQ(first.out, "HIMAS3: added the column KY_KBN\nS_CONTROL: created, empty\n");

    const UpgradeRun second = upgrade(dir.path());
    EXPECT_EQ(second.exitCode, 0);
    EXPECT_EQ(second.out, "up to date\n");
}

TEST(UpgradeCommandTest, AStepThatFailsEndsWithTheDatabasesMessage) {
    TestProgramDir dir;
    dir.executeOnMain({"DROP TABLE S_CONTROL", "DROP TABLE FLG_DATA"});
    const UpgradeRun run = upgrade(dir.path());
    EXPECT_NE(run.exitCode, 0);
    EXPECT_EQ(run.out, "S_CONTROL: created, empty\n");
    EXPECT_TRUE(run.err.contains("FLG_DATA")) << run.err.toStdString();
}

TEST(UpgradeCommandTest, ADirectoryWithoutAMainDatabaseIsReported) {
    TestProgramDir dir(TestProgramDir::Content::Empty);
    const UpgradeRun run = upgrade(dir.path());
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains("VANTIR.mdb")) << run.err.toStdString();
    EXPECT_TRUE(run.out.isEmpty());
}

}  // namespace
}  // namespace vantir::test
