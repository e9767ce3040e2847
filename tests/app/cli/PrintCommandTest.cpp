#include <gtest/gtest.h>

#include <QFile>

#include "CliRun.h"
#include "platform/db/Connection.h"
#include "support/Seed.h"
#include "support/TestProgramDir.h"

namespace vantir::test {
namespace {

QString readText(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Two slips of 26/12/09 in the main database of a program directory.
class PrintCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Connection connection;
        connection.open(dir.mainDatabase(), /*create=*/false);
        const auto slip = [](const char* code, qint64 uking) -> SeedRow {
            return {{"CODE", code},
                    {"HYMD", "26/12/09"},
                    {"THYMD", "26/12/10"},
                    {"DDAY", "26/12/09"},
                    {"SEKBN", "0"},
                    {"KCODE", "000001"},
                    {"KNAME", QStringLiteral("丸山運送")},
                    {"UKING", uking}};
        };
        seedRows(connection, QStringLiteral("HITRAN1"), {slip("2", 30000), slip("1", 12000)});
    }

    void setReportFlag(const char* flag) {
        Connection connection;
        connection.open(dir.mainDatabase(), /*create=*/false);
        connection.execute(QStringLiteral("UPDATE COP_DAT SET RPT_FLG = :F WHERE CODE = '1'"),
                           {{QStringLiteral("F"), QString::fromLatin1(flag)}});
    }

    CliRun print(const QStringList& args) { return run(runPrintCommand, dir.path(), args); }

    QString out(const char* name) const { return dir.path() + QLatin1Char('/') + name; }

    TestProgramDir dir;
};

TEST_F(PrintCommandTest, TheReportFlagChoosesTheTwinUnlessTheTwinIsNamed) {
    struct Case {
        const char* flag;
        const char* printout;
        const char* paper;  // the first line of the dump
    };
    for (const Case& c : {Case{"0", "QR_Vantir", "paper 297x210 landscape"},
                          Case{"1", "QR_Vantir", "paper 240x279.4 portrait"},
                          Case{"0", "QR_Vantir2", "paper 240x279.4 portrait"},
                          Case{"1", "QR_Jyuryo", "paper 240x279.4 portrait"},
                          Case{"0", "QR_Jyuryo", "paper 210x297 portrait"}}) {
        SCOPED_TRACE(std::string(c.printout) + " flag " + c.flag);
        setReportFlag(c.flag);
        const QString text = out("list.txt");

        const CliRun result = print({QString::fromLatin1(c.printout), "--date", "26/12/09",
                                     "--kind", QStringLiteral("配車日"), "--text", text});

        EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
        EXPECT_TRUE(readText(text).startsWith(QString::fromLatin1(c.paper)))
            << readText(text).left(80).toStdString();
    }
}

TEST_F(PrintCommandTest, TheBlankSheetTakesNoOptionsAndHasNoTwin) {
    setReportFlag("1");
    const QString text = out("blank.txt");

    const CliRun result = print({"QR_JyuryoW", "--text", text});

    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    EXPECT_TRUE(readText(text).startsWith(QStringLiteral("paper 210x297 portrait")));
    EXPECT_EQ(readText(text).count(QStringLiteral("受  領  書")), 15);
}

TEST_F(PrintCommandTest, AnEmptyDayPrintsTheHeadingsAndACountOfNought) {
    const QString text = out("empty.txt");

    const CliRun result = print(
        {"QR_Mitei", "--date", "26/12/08", "--kind", QStringLiteral("請求日"), "--text", text});

    EXPECT_EQ(result.exitCode, 0) << result.err.toStdString();
    const QString dump = readText(text);
    EXPECT_TRUE(dump.contains(QStringLiteral("\"未定一覧表\"")));
    EXPECT_TRUE(dump.contains(QStringLiteral("\"件数\"\ntext 21,28 13x5 right \"0\"")))
        << dump.toStdString();
}

TEST_F(PrintCommandTest, ABadDateOrKindIsRefusedOnStandardErrorAndWritesNothing) {
    struct Case {
        QStringList args;
        const char* inMessage;
    };
    const QString text = out("refused.txt");
    for (const Case& c : {
             Case{{"QR_Vantir", "--date", "26/13/09", "--kind", QStringLiteral("配車日")},
                  "--date 26/13/09 is not a date YY/MM/DD"},
             Case{{"QR_Vantir", "--date", "26/1/9", "--kind", QStringLiteral("配車日")},
                  "--date 26/1/9 is not a date"},
             Case{{"QR_Kakutei", "--date", "26/12/09", "--kind", "HYMD"},
                  "--kind HYMD is not one of 配車日, 降し日, 請求日"},
             Case{{"QR_Jyuryo", "--kind", QStringLiteral("配車日")}, "QR_Jyuryo needs --date"},
             Case{{"QR_JyuryoW", "--date", "26/12/09"}, "QR_JyuryoW does not take --date"},
             Case{{"QR_Nothing", "--date", "26/12/09"}, "unknown printout QR_Nothing"},
         }) {
        SCOPED_TRACE(c.inMessage);
        const CliRun result = print(c.args + QStringList{"--text", text});

        EXPECT_NE(result.exitCode, 0);
        EXPECT_TRUE(result.err.contains(QString::fromUtf8(c.inMessage)))
            << result.err.toStdString();
        EXPECT_FALSE(QFile::exists(text));
    }
}

TEST(PrintCommandMissingDatabaseTest, SaysWhichFileIsMissing) {
    TestProgramDir dir(TestProgramDir::Content::Empty);

    const CliRun result = run(runPrintCommand, dir.path(),
                              {"QR_JyuryoW", "--text", dir.path() + QStringLiteral("/x.txt")});

    EXPECT_NE(result.exitCode, 0);
    EXPECT_TRUE(result.err.contains(QStringLiteral("VANTIR.mdb"))) << result.err.toStdString();
}

TEST(PrintoutUsagesTest, ListEveryPrintoutWithTheOptionsItTakes) {
    const QStringList usages = printoutUsages();

    EXPECT_TRUE(
        usages.contains(QStringLiteral("QR_Vantir --date YY/MM/DD --kind 配車日|降し日|請求日")));
    EXPECT_TRUE(
        usages.contains(QStringLiteral("QR_Jyuryo2 --date YY/MM/DD --kind 配車日|降し日|請求日")));
    EXPECT_TRUE(usages.contains(QStringLiteral("QR_JyuryoW")));
}

}  // namespace
}  // namespace vantir::test
