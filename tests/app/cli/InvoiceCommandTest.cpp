#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include "app/cli/CliContext.h"
#include "platform/db/Connection.h"
#include "support/FixedToday.h"
#include "support/QtPrinters.h"
#include "support/Seed.h"
#include "support/TestProgramDir.h"

namespace vantir::test {
namespace {

struct CliRun {
    int exitCode = 0;
    QString out;
    QString err;
};

// Three customers of closing day 20, two with slips in the period the dialog proposes on
// 26/12/09 (26/10/21 to 26/11/20), and one of closing day 99 with sales.
class InvoiceCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        main.open(dir.mainDatabase(), /*create=*/false);
        main.execute(QStringLiteral("UPDATE SHOZEI SET ZEIGAKU = 5"));
        auto partner = [](const char* code, const char* name, const char* sime) {
            return SeedRow{{"KCODE", code}, {"KNAME", QString::fromUtf8(name)}, {"SIME", sime}};
        };
        seedRows(main, "HIMAS3",
                 {partner("000012", "丸山運送", "20"), partner("000013", "北星物流", "20"),
                  partner("000014", "売上なし", "20"), partner("000015", "月末締", "99")});
        auto slip = [](const char* code, const char* dday, const char* kcode, int uking) {
            return SeedRow{{"CODE", code}, {"DDAY", dday}, {"KCODE", kcode}, {"UKING", uking}};
        };
        seedRows(main, "HITRAN1",
                 {slip("1", "26/10/21", "000012", 123457), slip("2", "26/11/20", "000013", 10000),
                  slip("3", "26/11/21", "000014", 5000), slip("4", "26/11/10", "000015", 7000)});
    }

    CliRun run(const QStringList& args, CliCommand command = runInvoiceCommand) {
        CliRun result;
        QTextStream out(&result.out);
        QTextStream err(&result.err);
        CliContext context{dir.path(), out, err};
        result.exitCode = command(context, args);
        out.flush();
        err.flush();
        return result;
    }

    QStringList rows(const char* sql) { return rowsOf(main, QString::fromUtf8(sql)); }

    FixedToday today{"2026-12-09"};
    TestProgramDir dir;
    Connection main;
    QTemporaryDir out;
};

TEST_F(InvoiceCommandTest, AllCustomersOfTheClosingDayWithSalesGetTheirInvoicesAsPdf) {
    const CliRun done =
        run({"--sime", "20", "--all", "--discount-rate", "10", "--pdf-dir", out.path()});

    ASSERT_EQ(done.exitCode, 0) << done.err.toStdString();
    const QStringList lines = done.out.trimmed().split(QLatin1Char('\n'));
    ASSERT_EQ(lines.size(), 2) << done.out.toStdString();
    EXPECT_TRUE(
        lines[0].startsWith(QStringLiteral("000012 丸山運送 26/10/21-26/11/20 売上 123,457")));
    EXPECT_TRUE(lines[1].startsWith(QStringLiteral("000013 北星物流")));
    EXPECT_EQ(QDir(out.path()).entryList(QDir::Files),
              (QStringList{"000012_261120.pdf", "000012_261120_H.pdf", "000013_261120.pdf",
                           "000013_261120_H.pdf"}));
    // The marks and tables the dialog leaves: the last customer's invoice in the work
    // tables, a header per customer in the ledger, discounts applied.
    EXPECT_EQ(rows("SELECT KCODE, URI_FLG FROM HIMAS3 ORDER BY KCODE"),
              (QStringList{"000012|100", "000013|100", "000014|0", "000015|0"}));
    EXPECT_EQ(rows("SELECT KCODE, CODE FROM WK_SEIKYU"), QStringList{"000013|2"});
    EXPECT_EQ(rows("SELECT KCODE, UKING, SKING, ZKING, GKING FROM HITRANM ORDER BY KCODE"),
              (QStringList{"000012|123457|12346|5556|116667", "000013|10000|1000|450|9450"}));
}

TEST_F(InvoiceCommandTest, OneCustomerOverAGivenPeriodAppendsItsDotMatrixStream) {
    const QString escp = out.filePath(QStringLiteral("invoices.bin"));
    for (int i = 0; i < 2; ++i) {
        const CliRun done = run({"--sime", "20", "--customer", "14", "--since", "26/11/21",
                                 "--until", "26/12/20", "--escp", escp});
        ASSERT_EQ(done.exitCode, 0) << done.err.toStdString();
    }

    QFile file(escp);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QByteArray bytes = file.readAll();
    EXPECT_EQ(bytes.count("\x1b"
                          "C<"),
              2);  // two jobs' starts
    EXPECT_EQ(rows("SELECT KCODE, THYMD, UKING, ZKING FROM HITRANM"),
              QStringList{"000014|26/12/20|5000|250"});
}

TEST_F(InvoiceCommandTest, TheLastRunsFormsPrintByName) {
    ASSERT_EQ(run({"--sime", "20", "--customer", "000012", "--discount", "0"}).exitCode, 0);
    const QString text = out.filePath(QStringLiteral("summary.txt"));

    const CliRun printed = run({"QR_SeikyuH2", "--text", text}, runPrintCommand);

    ASSERT_EQ(printed.exitCode, 0) << printed.err.toStdString();
    QFile file(text);
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    const QString pages = QString::fromUtf8(file.readAll());
    EXPECT_TRUE(pages.contains(QStringLiteral("paper 240x279.4"))) << pages.toStdString();
    EXPECT_TRUE(pages.contains(QStringLiteral("\" 丸山運送  御中 \"")));
    EXPECT_TRUE(printoutUsages().contains(QStringLiteral("QR_Seikyu")));
}

TEST_F(InvoiceCommandTest, BadRequestsAreRefusedWithAMessage) {
    struct Case {
        QStringList args;
        int exitCode;
        const char* message;
    };
    const Case cases[] = {
        {{"--all"}, 2, "--sime DD is needed"},
        {{"--sime", "20"}, 2, "give one of --customer CODE and --all"},
        {{"--sime", "20", "--all", "--customer", "12"}, 2, "give one of --customer"},
        {{"--sime", "20", "--all", "--discount", "-5"}, 2, "--discount YEN must be 0 or more"},
        {{"--sime", "20", "--all", "--discount-rate", "1x"}, 2, "is not a whole number"},
        {{"--sime", "20", "--all", "--since", "26/11/01"}, 2, "--since and --until go together"},
        {{"--sime", "20", "--customer", "999"}, 1, "no customer 000999"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.args.join(' ').toStdString());
        const CliRun refused = run(c.args);
        EXPECT_EQ(refused.exitCode, c.exitCode);
        EXPECT_TRUE(refused.err.contains(QString::fromUtf8(c.message)))
            << refused.err.toStdString();
    }
    EXPECT_EQ(rows("SELECT COUNT(*) FROM HITRANM"), QStringList{"0"});
}

}  // namespace
}  // namespace vantir::test
