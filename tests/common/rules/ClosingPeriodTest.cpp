#include <gtest/gtest.h>

#include "common/rules/ClosingPeriod.h"
#include "common/rules/DateRuleMessages.h"

namespace vantir::test {
namespace {

struct PeriodCase {
    const char* closingDay;
    const char* month;
    const char* start;
    const char* end;
};

void PrintTo(const PeriodCase& c, std::ostream* os) { *os << c.closingDay << " " << c.month; }

class ClosingPeriodRule : public ::testing::TestWithParam<PeriodCase> {};

TEST_P(ClosingPeriodRule, GivesStartAndEnd) {
    const PeriodCase& c = GetParam();
    const auto period = closingPeriod(QString::fromUtf8(c.closingDay), QString::fromUtf8(c.month));
    ASSERT_TRUE(period) << period.message.toStdString();
    EXPECT_EQ(period.value->start, QString::fromUtf8(c.start));
    EXPECT_EQ(period.value->end, QString::fromUtf8(c.end));
}

INSTANTIATE_TEST_SUITE_P(
    Months, ClosingPeriodRule,
    ::testing::Values(PeriodCase{"20", "03/05", "03/04/21", "03/05/20"},
                      PeriodCase{"20", "03/01", "02/12/21", "03/01/20"},
                      PeriodCase{"99", "03/02", "03/02/01", "03/02/28"},
                      PeriodCase{"99", "03/12", "03/12/01", "03/12/31"},
                      PeriodCase{"99", "04/02", "04/02/01", "04/02/29"},
                      PeriodCase{"99", "00/02", "00/02/01", "00/02/29"},
                      PeriodCase{"20", "00/01", "99/12/21", "00/01/20"},  // the year before 00
                      PeriodCase{"30", "03/03", "03/02/31", "03/03/30"},  // no calendar check
                      PeriodCase{"5", "3/5", "03/04/06", "03/05/05"}));   // written two-digit

TEST(ClosingPeriodRule, RefusesWhatItCannotRead) {
    struct Case {
        const char* closingDay;
        const char* month;
        QString message;
    };
    const Case cases[] = {
        {"", "03/05", dateRuleMessage::enterClosingDayOrMonth},
        {"20", "", dateRuleMessage::enterClosingDayOrMonth},
        {"  ", "03/05", dateRuleMessage::enterClosingDayOrMonth},
        {"2O", "03/05", dateRuleMessage::closingDay},
        {"00", "03/05", dateRuleMessage::closingDay},
        {"20", "03/13", dateRuleMessage::month},
        {"20", "0305", dateRuleMessage::month},
    };
    for (const Case& c : cases) {
        const auto period =
            closingPeriod(QString::fromUtf8(c.closingDay), QString::fromUtf8(c.month));
        EXPECT_FALSE(period) << c.closingDay << " " << c.month;
        EXPECT_EQ(period.message, c.message) << c.closingDay << " " << c.month;
    }
    EXPECT_EQ(dateRuleMessage::enterClosingDayOrMonth,
              QString::fromUtf8("締日又は月度に入力して下さい。"));
}

}  // namespace
}  // namespace vantir::test
