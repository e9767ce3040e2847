#include <gtest/gtest.h>

#include "CliRun.h"
#include "common/rules/DateRuleMessages.h"
#include "platform/db/Connection.h"
#include "support/Seed.h"
#include "support/TestProgramDir.h"

namespace vantir::test {
namespace {

TEST(MonthlyCommandTest, AggregatesTheMonthIntoTheMainDatabasePrintingItsProgress) {
    TestProgramDir dir(TestProgramDir::Content::Empty);
    ASSERT_EQ(run(runInitCommand, dir.path(), {"--sample", "--slips", "300", "--months", "2"}).exitCode, 0);
    const CliRun monthly = run(runMonthlyCommand, dir.path(), {"--sime", "99", "--month", "26/11"});
    ASSERT_EQ(monthly.exitCode, 0) << monthly.err.toStdString();
    EXPECT_TRUE(monthly.out.contains(QStringLiteral("※　只今末締売上データ集計中　※")));
    EXPECT_TRUE(monthly.out.contains(QStringLiteral("※　只今自社締日仕入累計データ集計中　※")));
    Connection main;
    main.open(dir.mainDatabase(), /*create=*/false);
    EXPECT_EQ(rowsOf(main, "SELECT COUNT(*) > 0, MIN(HYMD), MAX(HYMD) FROM HIMAS31"),
              QStringList{"1|26/11/30|26/11/30"});
    EXPECT_GT(main.scalar("SELECT COUNT(*) FROM HITRANM").toInt(), 0);
}

TEST(MonthlyCommandTest, FailsWithTheDialogsMessage) {
    TestProgramDir dir;
    const CliRun empty = run(runMonthlyCommand, dir.path(), {"--sime", "", "--month", "26/11"});
    EXPECT_NE(empty.exitCode, 0);
    EXPECT_TRUE(empty.err.contains(dateRuleMessage::enterClosingDayOrMonth)) << empty.err.toStdString();
    const CliRun missing = run(runMonthlyCommand, dir.path(), {"--month", "26/11"});
    EXPECT_NE(missing.exitCode, 0);
    EXPECT_TRUE(missing.err.contains(dateRuleMessage::enterClosingDayOrMonth));
    EXPECT_NE(run(runMonthlyCommand, dir.path(), {"--sime"}).exitCode, 0);  // usage
}

}  // namespace
}  // namespace vantir::test
