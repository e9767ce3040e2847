#include <gtest/gtest.h>

#include <QFile>

#include "CliRun.h"
#include "platform/db/Connection.h"
#include "support/Seed.h"
#include "support/TestProgramDir.h"

namespace vantir::test {
namespace {

// Receipts of two customers and a payment in the main database of a program directory.
class CashPrintCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Connection connection;
        connection.open(dir.mainDatabase(), /*create=*/false);
        const auto receipt = [](const char* code, const char* kcode, qint64 uking) -> SeedRow {
            return {{"CODE", code},
                    {"HYMD", "24/03/10"},
                    {"DDAY", "24/03/10"},
                    {"KCODE", kcode},
                    {"KNAME", QStringLiteral("丸山運送")},
                    {"UKING", uking}};
        };
        seedRows(connection, QStringLiteral("HITRAN2"),
                 {receipt("1", "000001", 12000), receipt("2", "000002", 34000)});
        seedRows(connection, QStringLiteral("HITRAN3"),
                 {{{"CODE", "1"},
                   {"DDAY", "24/03/10"},
                   {"YCODE", "200001"},
                   {"YNAME", QStringLiteral("東和運輸")},
                   {"SKING", 56000},
                   {"UKING", 777}}});
    }
    CliRun print(const QStringList& args) { return run(runPrintCommand, dir.path(), args); }
    QString dump() const {
        QFile file(dir.path() + QStringLiteral("/list.txt"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    TestProgramDir dir;
};

TEST_F(CashPrintCommandTest, TheListScreensSelectionAndTheDialogsRangeNarrowTheRows) {
    const CliRun run =
        print({"QR_Nyukin", "--since", "24/03/01", "--until", "24/03/31", "--sime", "20", "--month",
               "24/03", "--from", "000002", "--to", "000009", "--text", dir.path() + "/list.txt"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(dump().contains("\"34,000\""));
    EXPECT_FALSE(dump().contains("\"12,000\""));
    EXPECT_TRUE(dump().contains("\"24/03  20日締\""));
    EXPECT_TRUE(dump().contains("\"000002～000009\""));
}

TEST_F(CashPrintCommandTest, APaymentListTotalsWhatWasPaid) {
    const CliRun run = print({"QR_Harai2", "--text", dir.path() + "/list.txt"});
    ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
    EXPECT_TRUE(dump().startsWith("paper 240x279.4"));
    EXPECT_TRUE(dump().contains("\"56,000\""));
    EXPECT_FALSE(dump().contains("\"777\""));
}

TEST_F(CashPrintCommandTest, BadValuesAreRefusedWithAMessage) {
    const QString file = dir.path() + "/list.txt";
    for (const QStringList& args :
         {QStringList{"QR_Nyukin", "--partner", "000001", "--text", file},
          QStringList{"QR_Nyukin", "--since", "24/03/01", "--text", file},
          QStringList{"QR_Harai", "--from", "000001", "--text", file},
          QStringList{"QR_Harai", "--month", "24/13", "--text", file},
          QStringList{"QR_Nyukin", "--date", "24/03/01", "--text", file}}) {
        SCOPED_TRACE(args.join(' ').toStdString());
        const CliRun run = print(args);
        EXPECT_NE(run.exitCode, 0);
        EXPECT_FALSE(run.err.isEmpty());
        EXPECT_FALSE(QFile::exists(file));
    }
}

}  // namespace
}  // namespace vantir::test
