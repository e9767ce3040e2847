#include <gtest/gtest.h>

#include <QFile>

#include "CliRun.h"
#include "platform/db/Connection.h"
#include "support/Seed.h"
#include "support/TestProgramDir.h"

namespace vantir::test {
namespace {

// One slip of 24/05/31 for customer 000001 in the main database.
class MonthlyReportPrintCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Connection connection;
        connection.open(dir.mainDatabase(), /*create=*/false);
        seedRows(connection, QStringLiteral("HITRAN1"),
                 {{{"CODE", "1"},
                   {"DDAY", "24/05/31"},
                   {"KCODE", "000001"},
                   {"KNAME", QStringLiteral("丸山運送")},
                   {"UKING", 12345}}});
    }
    CliRun print(const QStringList& args) {
        return run(runPrintCommand, dir.path(), args + QStringList{"--text", text});
    }

    TestProgramDir dir;
    QString text = dir.filePath(QStringLiteral("report.txt"));
};

// The closing days 29 to 31 are the month-based reports' own; the 31st takes the slip of
// the 31st.
TEST_F(MonthlyReportPrintCommandTest, PrintsAReportForAClosingDayAfterThe28th) {
    const CliRun result = print({"QR_TK_SM", "--sime", "31", "--month", "24/05"});

    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString dump = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(dump.contains(QStringLiteral("\"丸山運送\""))) << dump.toStdString();
    EXPECT_TRUE(dump.contains(QStringLiteral("\"1,234\"")));  // the slip's truncated tax
}

TEST_F(MonthlyReportPrintCommandTest, RefusalsGoToStandardErrorAndWriteNothing) {
    struct Case {
        QStringList args;
        const char* inMessage;
    };
    for (const Case& c : {
             Case{{"QR_Rieki", "--sime", "24", "--month", "24/04"}, "該当するデータがありません。"},
             Case{{"QR_Uri_Nen", "--sime", "99"}, "QR_Uri_Nen needs --month YY/MM"},
             Case{{"QR_TK_SM", "--sime", "32", "--month", "24/05"},
                  "--sime 32 is not a closing day DD (01 to 31, or 99 for the month end)"},
             Case{{"QR_TK_SM", "--sime", "99", "--month", "24/05", "--choice", "1"},
                  "QR_TK_SM does not take --choice"},
             // The receipt list keeps its closing days of the partners.
             Case{{"QR_Nyukin", "--sime", "30"}, "(01 to 28, or 99 for the month end)"},
         }) {
        SCOPED_TRACE(c.inMessage);
        const CliRun result = print(c.args);

        EXPECT_NE(result.exitCode, 0);
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(c.inMessage)))
            << result.err.toStdString();
        EXPECT_FALSE(QFile::exists(text));
    }
}

}  // namespace
}  // namespace vantir::test
