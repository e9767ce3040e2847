#include <gtest/gtest.h>

#include <functional>

#include "data/WorkingCopy.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/dataset/TableDataset.h"
#include "support/DataModuleTest.h"
#include "support/Seed.h"

namespace vantir::test {
namespace {

// After start: a slip in both databases; the working copy's views are open, one of them
// with an address looked up, and the monthly work has left a row in a work table.
class WorkingCopyTest : public DataModuleTest {
  protected:
    void SetUp() override {
        for (DataModule* module :
             {static_cast<DataModule*>(&dm1), static_cast<DataModule*>(&dm2)}) {
            seedRows(module->database(), QStringLiteral("HITRAN1"),
                     {{{"CODE", "1"}, {"KCODE", "000001"}, {"DDAY", "26/11/05"}}});
            seedRows(module->database(), QStringLiteral("HIMAS3"),
                     {{{"KCODE", "000001"}, {"KZIP", "100-0001"}}});
            seedRows(module->database(), QStringLiteral("WK_SEIKYU"),
                     {{{"CODE", "1"}, {"KCODE", "000001"}}});
        }
        seedRows(dm2.database(), QStringLiteral("HWRK1"), {{{"CODE", "9"}}});
        dm2.view(QStringLiteral("HITRAN1")).open();
        Dataset& invoice = dm2.view(QStringLiteral("WK_SEIKYU"));
        invoice.open();
        ASSERT_EQ(invoice.text(QStringLiteral("KZIP")), QStringLiteral("100-0001"));
    }

    // A slip posted on the entry screen after start, and a customer who moved.
    void workOnTheMainDatabase() {
        Dataset& slips = dm1.view(QStringLiteral("HITRAN1"));
        slips.open();
        slips.append();
        ASSERT_TRUE(slips.setText(QStringLiteral("CODE"), QStringLiteral("2")));
        ASSERT_TRUE(slips.setText(QStringLiteral("KCODE"), QStringLiteral("000001")));
        ASSERT_TRUE(slips.setText(QStringLiteral("DDAY"), QStringLiteral("26/11/20")));
        ASSERT_TRUE(slips.post());
        dm1.database().connection().execute(
            QStringLiteral("UPDATE HIMAS3 SET KZIP = '100-0002' WHERE KCODE = '000001'"));
    }

    QStringList workingSlips() {
        Dataset& slips = dm2.view(QStringLiteral("HITRAN1"));
        slips.open();
        QStringList codes;
        for (slips.first(); !slips.eof(); slips.next()) codes << slips.text(QStringLiteral("CODE"));
        return codes;
    }
    QString workingAddress() {
        Dataset& invoice = dm2.view(QStringLiteral("WK_SEIKYU"));
        invoice.open();
        return invoice.text(QStringLiteral("KZIP"));
    }
};

TEST_F(WorkingCopyTest, RefreshBringsTheMainDatabasesWorkIntoTheWorkingCopy) {
    workOnTheMainDatabase();
    EXPECT_EQ(workingSlips(), QStringList{"1"});

    const Result refreshed = WorkingCopy::refresh(dm1, dm2);
    ASSERT_TRUE(refreshed) << refreshed.message.toStdString();
    for (const QString& name : dm2.viewNames())
        EXPECT_FALSE(dm2.view(name).isOpen()) << name.toStdString();
    EXPECT_TRUE(dm2.database().isConnected());

    EXPECT_EQ(workingSlips(), (QStringList{"1", "2"}));
    EXPECT_EQ(workingAddress(), QStringLiteral("100-0002"));
    // Nothing the working copy held of its own survives, as after a start.
    EXPECT_EQ(rowsOf(dm2.database().connection(), QStringLiteral("SELECT COUNT(*) FROM HWRK1")),
              QStringList{"0"});
    // The main database goes on as before.
    EXPECT_EQ(rowsOf(dm1.database().connection(), QStringLiteral("SELECT COUNT(*) FROM HITRAN1")),
              QStringList{"2"});
}

struct FailureCase {
    const char* name;
    std::function<void(DataModule1&)> breakMainDatabase;
    const char* named;  // what the message must show
};

void PrintTo(const FailureCase& c, std::ostream* os) { *os << c.name; }

class WorkingCopyFailureTest : public WorkingCopyTest,
                               public ::testing::WithParamInterface<FailureCase> {};

// A snapshot that cannot be taken is reported, and the working copy of the start stays
// usable with its own rows.
TEST_P(WorkingCopyFailureTest, LeavesTheOldWorkingCopyUsableAndSaysWhy) {
    workOnTheMainDatabase();
    GetParam().breakMainDatabase(dm1);

    const Result refreshed = WorkingCopy::refresh(dm1, dm2);
    EXPECT_FALSE(refreshed);
    EXPECT_TRUE(refreshed.message.startsWith("作業用データベースを最新の状態にできませんでした。"))
        << refreshed.message.toStdString();
    EXPECT_TRUE(refreshed.message.contains("VANTIRX.mdb")) << refreshed.message.toStdString();
    EXPECT_TRUE(refreshed.message.contains(QString::fromUtf8(GetParam().named)))
        << refreshed.message.toStdString();

    EXPECT_EQ(workingSlips(), QStringList{"1"});
    EXPECT_EQ(workingAddress(), QStringLiteral("100-0001"));
    EXPECT_EQ(rowsOf(dm2.database().connection(), QStringLiteral("SELECT COUNT(*) FROM HWRK1")),
              QStringList{"1"});
}

INSTANTIATE_TEST_SUITE_P(
    Failures, WorkingCopyFailureTest,
    ::testing::Values(FailureCase{"MainDatabaseInATransaction",
                                  [](DataModule1& dm1) { dm1.database().connection().begin(); },
                                  "transaction"},
                      FailureCase{"MainDatabaseGone",
                                  [](DataModule1& dm1) {
                                      dm1.database().setPath(dm1.database().path() +
                                                             QStringLiteral(".gone"));
                                  },
                                  "VANTIR.mdb.gone"}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vantir::test
