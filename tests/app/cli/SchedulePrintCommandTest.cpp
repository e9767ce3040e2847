#include <gtest/gtest.h>

#include <QFile>

#include "CliRun.h"
#include "platform/db/Connection.h"
#include "support/FixedToday.h"
#include "support/Seed.h"
#include "support/TestProgramDir.h"

namespace vantir::test {
namespace {

// One customer with February's sales, expected in March, in the main database.
class SchedulePrintCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Connection connection;
        connection.open(dir.mainDatabase(), /*create=*/false);
        seedRows(
            connection, QStringLiteral("HIMAS3"),
            {{{"KCODE", "000001"}, {"YCODE", "100001"}, {"KNAME", QStringLiteral("丸山運送")}}});
        seedRows(connection, QStringLiteral("HIMAS31"),
                 {{{"KCODE", "000001"},
                   {"KNAME", QStringLiteral("丸山運送")},
                   {"HYMD", "24/02/29"},
                   {"SHYMD", "24/03/31"},
                   {"UKING", 1001}}});
    }
    CliRun print(const QStringList& args) { return run(runPrintCommand, dir.path(), args); }
    QString text() const {
        QFile file(dir.filePath(QStringLiteral("schedule.txt")));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    TestProgramDir dir;
    FixedToday today{"2024-03-15"};
};

TEST_F(SchedulePrintCommandTest, PrintsTheMonthsScheduleAsText) {
    for (const char* name : {"QR_Nyu_Yo", "QR_Kake_Rep", "QR_Kake_Rep2"}) {
        SCOPED_TRACE(name);
        const CliRun result = print({QString::fromLatin1(name), "--month", "24/02", "--text",
                                     dir.filePath(QStringLiteral("schedule.txt"))});
        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        // 1,001 and its 10 % tax, 100.1 cut to 100.
        EXPECT_TRUE(text().contains(QStringLiteral("\"1,101\"")));
    }
}

TEST_F(SchedulePrintCommandTest, AMonthWithoutDataIsRefusedOnStandardError) {
    const CliRun result = print(
        {"QR_Hari_Yo", "--month", "24/02", "--text", dir.filePath(QStringLiteral("schedule.txt"))});
    EXPECT_EQ(result.exitCode, 1);
    EXPECT_EQ(result.err, QStringLiteral("vantir-cli: 該当するデータがありません。\n"));
    EXPECT_FALSE(QFile::exists(dir.filePath(QStringLiteral("schedule.txt"))));

    EXPECT_EQ(
        print({"QR_Kake_Rep", "--text", dir.filePath(QStringLiteral("schedule.txt"))}).exitCode, 2)
        << "the month is required";
}

}  // namespace
}  // namespace vantir::test
