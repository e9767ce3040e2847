#include <gtest/gtest.h>

#include <QFile>

#include "CliRun.h"
#include "platform/db/Connection.h"
#include "support/Seed.h"
#include "support/TestProgramDir.h"

namespace vantir::test {
namespace {

// Three partners in the main database of a program directory.
class AddressPrintCommandTest : public ::testing::Test {
  protected:
    void SetUp() override {
        Connection connection;
        connection.open(dir.mainDatabase(), /*create=*/false);
        const auto partner = [](const char* code, const char16_t* name) -> SeedRow {
            return {{"KCODE", code}, {"KNAME", QString::fromUtf16(name)}, {"KZIP", "100-0001"}};
        };
        seedRows(connection, QStringLiteral("HIMAS3"),
                 {partner("000050", u"北運輸"), partner("000150", u"中物流"),
                  partner("000250", u"南運送")});
    }
    CliRun print(const QStringList& args) { return run(runPrintCommand, dir.path(), args); }
    QString dump() const {
        QFile file(dir.path() + QStringLiteral("/out.txt"));
        return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
    }

    TestProgramDir dir;
};

TEST_F(AddressPrintCommandTest, EachAddressPrintoutAndItsTwinPrintsTheRangeAsTyped) {
    struct Case {
        const char* printout;
        const char* paper;
        const char* printed;
    };
    for (const Case& c : {Case{"QR_Address", "paper 210x297", "\"中物流\""},
                          Case{"QR_Address2", "paper 240x279.4", "\"中物流\""},
                          Case{"QR_Add_LBL", "paper 210x297", "\"中物流 御中\""},
                          Case{"QR_Add_LBL2", "paper 240x279.4", "\"中物流 御中\""}}) {
        SCOPED_TRACE(c.printout);
        const CliRun run = print(
            {c.printout, "--from", "000100", "--to", "000199", "--text", dir.path() + "/out.txt"});
        ASSERT_EQ(run.exitCode, 0) << run.err.toStdString();
        EXPECT_TRUE(dump().startsWith(QString::fromLatin1(c.paper)));
        EXPECT_TRUE(dump().contains(QString::fromUtf8(c.printed)));
        EXPECT_FALSE(dump().contains(QStringLiteral("北運輸")));
        EXPECT_FALSE(dump().contains(QStringLiteral("南運送")));
    }
}

TEST_F(AddressPrintCommandTest, TheRangeIsRequired) {
    const CliRun run = print({"QR_Add_LBL", "--from", "0", "--text", dir.path() + "/out.txt"});
    EXPECT_NE(run.exitCode, 0);
    EXPECT_TRUE(run.err.contains("--to")) << run.err.toStdString();
}

}  // namespace
}  // namespace vantir::test
