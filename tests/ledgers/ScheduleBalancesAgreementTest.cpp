#include <gtest/gtest.h>

#include "LiteralScheduleBalances.h"
#include "ScheduleAggregates.h"
#include "data/sample/SampleCompany.h"
#include "ledgers/rules/ScheduleWorkTables.h"
#include "support/DataModuleTest.h"
#include "support/FixedToday.h"
#include "support/Seed.h"

namespace vantir::test {
namespace {

// A sample company of 40 partners with a year of generated aggregates (NULL and negative
// amounts, partners with neither side or one, codes outside the master or none).
class ScheduleBalancesAgreementTest : public DataModuleTest {
  protected:
    void SetUp() override {
        Connection& main = dm1.database().connection();
        SampleCompany::fill(main, {.partners = 40, .slips = 10, .months = 1, .seed = 7});
        writeScheduleAggregates(main, 12, 7);
    }
    QStringList balances() {
        return rowsOf(dm2.database().connection(), QStringLiteral("SELECT * FROM HIMAS33"));
    }

    FixedToday today{"2026-12-20"};
};

// The grouped rebuild leaves HIMAS33 row for row, in order and to the yen, as the
// per-partner statements do, for months early and late in the year and several rates.
TEST_F(ScheduleBalancesAgreementTest, TheGroupedRebuildAgreesWithThePerPartnerStatements) {
    struct Case {
        const char* month;
        int rate;
    };
    for (const Case& c : {Case{"26/01", 10}, Case{"26/07", 8}, Case{"26/12", 0}}) {
        SCOPED_TRACE(std::string(c.month) + " at " + std::to_string(c.rate) + " %");
        dm1.database().connection().execute(QStringLiteral("UPDATE SHOZEI SET ZEIGAKU = ") +
                                            QString::number(c.rate));
        const ScheduleWorkTables tables({dm1, dm2}, QString::fromLatin1(c.month));
        tables.balances();
        const QStringList grouped = balances();
        literalScheduleBalances(dm2.database().connection(), tables.month().end, c.rate);
        EXPECT_EQ(grouped, balances());
        EXPECT_GT(grouped.size(), 10);
    }
}

}  // namespace
}  // namespace vantir::test
