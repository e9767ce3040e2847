#include <gtest/gtest.h>

#include "billing/rules/BillingPeriod.h"
#include "support/QtPrinters.h"

namespace vantir::test {
namespace {

struct PeriodCase {
    const char* today;  // ISO
    const char* closingDay;
    const char* first;  // empty with a message: refused
    const char* last;
    const char* message;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const PeriodCase& c, std::ostream* os) {
    *os << "today " << c.today << " closing day " << c.closingDay;
}

class BillingPeriodTest : public ::testing::TestWithParam<PeriodCase> {};

TEST_P(BillingPeriodTest, EndsWithTheLastClosingDayBeforeAMonthAgo) {
    const PeriodCase& c = GetParam();
    const DateRuleResult<BillingPeriod> period =
        billingPeriod(QString::fromLatin1(c.closingDay), QDate::fromString(c.today, Qt::ISODate));
    if (*c.first == '\0') {
        ASSERT_FALSE(period);
        EXPECT_EQ(period.message, QString::fromUtf8(c.message));
        return;
    }
    ASSERT_TRUE(period) << period.message.toStdString();
    EXPECT_EQ(period.value->first, QString::fromLatin1(c.first));
    EXPECT_EQ(period.value->last, QString::fromLatin1(c.last));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BillingPeriodTest,
    ::testing::Values(
        // A month ago is 24/02/25: day 20 lies before it.
        PeriodCase{"2024-03-25", "20", "24/02/21", "24/03/20", ""},
        // A month ago is 24/02/15 or 24/02/20: the closing day has not passed.
        PeriodCase{"2024-03-15", "20", "24/01/21", "24/02/20", ""},
        PeriodCase{"2024-03-20", "20", "24/01/21", "24/02/20", ""},
        PeriodCase{"2024-03-25", "99", "24/02/01", "24/02/29", ""},
        PeriodCase{"2024-01-10", "99", "23/12/01", "23/12/31", ""},
        // Across the year: a month ago is 23/12/05.
        PeriodCase{"2024-01-05", "20", "23/11/21", "23/12/20", ""},
        // 31 March less a month is clipped to 29 February.
        PeriodCase{"2024-03-31", "28", "24/02/29", "24/03/28", ""},
        PeriodCase{"2024-03-31", "05", "24/02/06", "24/03/05", ""},
        // The day after the closing day must exist in its month: February has no 31st.
        PeriodCase{"2024-04-15", "30", "", "", "'24/02/31' は日付ではありません"},
        PeriodCase{"2023-04-10", "28", "", "", "'23/02/29' は日付ではありません"},
        PeriodCase{"2024-03-25", "2a", "", "", "'2a' は整数ではありません"},
        PeriodCase{"2024-03-25", "", "", "", "'' は整数ではありません"}));

TEST(PreviousCalendarMonthTest, IsTheMonthBeforeTodaysMonth) {
    EXPECT_EQ(previousCalendarMonth(QDate(2026, 12, 9)),
              (BillingPeriod{QStringLiteral("26/11/01"), QStringLiteral("26/11/30")}));
    EXPECT_EQ(previousCalendarMonth(QDate(2027, 1, 31)),
              (BillingPeriod{QStringLiteral("26/12/01"), QStringLiteral("26/12/31")}));
}

}  // namespace
}  // namespace vantir::test
