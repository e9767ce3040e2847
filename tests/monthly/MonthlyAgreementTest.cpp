// The set-based run against the statement-by-statement reference, on a generated company
// carrying every awkward case the books meet.
#include <gtest/gtest.h>

#include "LiteralMonthlyRun.h"
#include "MonthlyTables.h"
#include "data/AppState.h"
#include "data/DataModule1.h"
#include "data/DataModule2.h"
#include "data/HookTargets.h"
#include "data/sample/SampleCompany.h"
#include "monthly/rules/MonthlyAggregation.h"
#include "platform/db/Connection.h"
#include "support/TestProgramDir.h"

namespace vantir::test {
namespace {

// Applied to the sample company's main database, the same in both program directories.
const QStringList kAwkwardCases = {
    // Site flags: empty and NULL belong to the closing day's group; "3" as well.
    "UPDATE HIMAS3 SET SIMEFLG = NULL WHERE CAST(KCODE AS INTEGER) % 7 = 0",
    "UPDATE HIMAS3 SET SIMEFLG = '' WHERE CAST(KCODE AS INTEGER) % 7 = 1",
    // Closing days the loop visits only sometimes or never, and the 28th of February.
    "UPDATE HIMAS3 SET SIME = '29' WHERE CAST(KCODE AS INTEGER) % 11 = 2",
    "UPDATE HIMAS3 SET SIME = '30' WHERE CAST(KCODE AS INTEGER) % 11 = 3",
    "UPDATE HIMAS3 SET SIME = '31' WHERE CAST(KCODE AS INTEGER) % 11 = 4",
    "UPDATE HIMAS3 SET SIME = '28' WHERE CAST(KCODE AS INTEGER) % 11 = 5",
    // Sites: empty, and not a multiple of 30 on a closing day.
    "UPDATE HIMAS3 SET SAIT = NULL WHERE CAST(KCODE AS INTEGER) % 9 = 0",
    "UPDATE HIMAS3 SET SAIT = '' WHERE CAST(KCODE AS INTEGER) % 9 = 1",
    // Master amounts and balances left empty, or set, which a partner without slips keeps.
    "UPDATE HIMAS3 SET UKING = NULL, SKING = NULL, SIRZAN = NULL WHERE CAST(KCODE AS INTEGER) % 5 = 0",
    "UPDATE HIMAS3 SET UKING = 1234, HSKING = NULL WHERE CAST(KCODE AS INTEGER) % 13 = 6",
    // Slip amounts empty, negative, all zero; customers and carriers missing from the master.
    "UPDATE HITRAN1 SET UKING = NULL WHERE CAST(CODE AS INTEGER) % 17 = 0",
    "UPDATE HITRAN1 SET UHIYO = NULL, SHIYO = NULL WHERE CAST(CODE AS INTEGER) % 19 = 0",
    "UPDATE HITRAN1 SET YKING = NULL, SKING = NULL WHERE CAST(CODE AS INTEGER) % 23 = 0",
    "UPDATE HITRAN1 SET UKING = -UKING, SKING = -SKING WHERE CAST(CODE AS INTEGER) % 13 = 0",
    "UPDATE HITRAN1 SET UKING = 0, UHIYO = 0, INKING = 0, INSKING = 0 WHERE CAST(CODE AS INTEGER) % 29 = 0",
    "UPDATE HITRAN1 SET SKING = 0, SHIYO = 0, INKING = 0, INSKING = 0 WHERE CAST(CODE AS INTEGER) % 31 = 0",
    "UPDATE HITRAN1 SET KCODE = '999999' WHERE CAST(CODE AS INTEGER) % 37 = 0",
    "UPDATE HITRAN1 SET YCODE = '999998' WHERE CAST(CODE AS INTEGER) % 41 = 0",
    // Receipts and payments empty or negative.
    "UPDATE HITRAN2 SET UKING = NULL WHERE CAST(CODE AS INTEGER) % 5 = 0",
    "UPDATE HITRAN3 SET SKING = -SKING WHERE CAST(CODE AS INTEGER) % 4 = 0",
    "UPDATE HITRAN3 SET SKING = NULL WHERE CAST(CODE AS INTEGER) % 7 = 0",
    "UPDATE HITRAN3 SET YCODE = '999997' WHERE CAST(CODE AS INTEGER) % 11 = 0",
    // Groups of one partner whose every amount is negative, so that the group's test of
    // "some slip at 0 or above" fails: a customer, a carrier, an own-closing-day carrier.
    "UPDATE HIMAS3 SET SIME = '17', SIMEFLG = '2' WHERE KCODE = '000004'",
    "UPDATE HITRAN1 SET UKING = -ABS(UKING) - 1, UHIYO = -ABS(UHIYO) - 1 WHERE KCODE = '000004'",
    "UPDATE HIMAS3 SET SIME = '18', SIMEFLG = '2' WHERE KCODE = '000005'",
    // (its sales stay, so that it keeps a row whose other amounts the test makes 0)
    "UPDATE HITRAN1 SET UHIYO = -ABS(UHIYO) - 1, SKING = -ABS(SKING) - 1, "
    "SHIYO = -ABS(SHIYO) - 1, INKING = -ABS(INKING) - 1, INSKING = -ABS(INSKING) - 1 WHERE YCODE = '000005'",
    "UPDATE HITRAN3 SET SKING = -ABS(SKING) - 1 WHERE YCODE = '000005'",
    "UPDATE HIMAS3 SET SIMEFLG = '1' WHERE KCODE = '000006'",
    "UPDATE HITRAN1 SET SKING = -ABS(SKING) - 1 WHERE YCODE = '000006'",
    "UPDATE HITRAN3 SET SKING = -ABS(SKING) - 1 WHERE YCODE = '000006'",
    // Own-closing-day carriers: every expense negative, so that the group's expense test
    // fails; and none of their slips in January, so that the group keeps what its rows hold.
    "UPDATE HITRAN1 SET SHIYO = -ABS(SHIYO) - 1 WHERE YCODE IN "
    "(SELECT YCODE FROM HIMAS3 WHERE SIMEFLG = '1')",
    "DELETE FROM HITRAN1 WHERE DDAY >= '26/01/01' AND DDAY <= '26/01/31' AND YCODE IN "
    "(SELECT YCODE FROM HIMAS3 WHERE SIMEFLG = '1')",
    // Payments that name a customer too, for the customer side's payment columns.
    "UPDATE HITRAN3 SET KCODE = YCODE WHERE CAST(CODE AS INTEGER) % 3 = 0",
    "UPDATE HITRAN3 SET KCODE = '000004', SKING = -ABS(SKING) - 1 WHERE CAST(CODE AS INTEGER) % 10 = 1",
    "UPDATE HITRAN2 SET UKING = -ABS(UKING) - 1 WHERE KCODE = '000004'",
    // The company's own payment day beyond some months' ends.
    "UPDATE S_CONTROL SET VYOT = '31', VSIT = '2', VSIM = '20' WHERE CODE = '1'",
    "UPDATE SHOZEI SET ZEIGAKU = 8 WHERE CODE = 1",
};

struct MonthRun {
    const char* closingDay;
    const char* month;
};

class MonthlyAgreementTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (TestProgramDir* dir : {&literalDir, &programDir}) {
            Connection main;
            main.open(dir->mainDatabase(), false);
            SampleCompany::fill(main, {.partners = 70, .slips = 4000, .months = 14, .seed = 7});
            for (const QString& statement : kAwkwardCases) main.execute(statement);
            main.close();
            dir->copyMainToWorkingCopy();
        }
    }

    TestProgramDir literalDir;
    TestProgramDir programDir;
};

TEST_F(MonthlyAgreementTest, SetBasedRunStoresWhatTheStatementByStatementRunStores) {
    // Months run in sequence, as an office does, so that later runs meet earlier rows;
    // February and the 20th close (and a one-digit day) come in as well.
    const MonthRun runs[] = {{"99", "26/01"}, {"20", "26/02"}, {"99", "26/02"}, {"5", "26/03"},
                        {"99", "26/03"}, {"25", "26/11"}, {"99", "26/11"}, {"99", "26/11"}};
    Connection literalMain, literalWork;
    literalMain.open(literalDir.mainDatabase(), false);
    literalWork.open(literalDir.workingCopy(), false);
    // The reference writes statement by statement; waiting for the disk on each one
    // would only slow the test.
    for (Connection* connection : {&literalMain, &literalWork})
        connection->execute(QStringLiteral("PRAGMA synchronous = OFF"));
    AppState state;
    HookTargets targets;
    DataModule1 dm1(programDir.path(), state, targets);
    DataModule2 dm2(programDir.path(), state, targets);
    MonthlyAggregation aggregation(dm1, dm2, [](const QString&) {});
    for (const MonthRun& run : runs) {
        SCOPED_TRACE(QStringLiteral("%1 %2").arg(run.closingDay, run.month).toStdString());
        LiteralMonthlyRun(literalMain, literalWork).run(run.closingDay, run.month);
        const Result result = aggregation.run(run.closingDay, run.month, false);
        ASSERT_TRUE(result.ok) << result.message.toStdString();
        const MonthlyTables expected = MonthlyTables::of(literalMain);
        const MonthlyTables actual = MonthlyTables::of(dm1.database().connection());
        ASSERT_FALSE(expected.HIMAS31.isEmpty());
        ASSERT_FALSE(expected.HIMAS32.isEmpty());
        EXPECT_EQ(actual.HIMAS31, expected.HIMAS31);
        EXPECT_EQ(actual.HIMAS32, expected.HIMAS32);
        EXPECT_EQ(actual.HITRANM, expected.HITRANM);
        EXPECT_EQ(actual.HITRANS, expected.HITRANS);
        // The working copy holds what the main database holds.
        EXPECT_EQ(MonthlyTables::of(dm2.database().connection()), actual);
    }
}

}  // namespace
}  // namespace vantir::test
