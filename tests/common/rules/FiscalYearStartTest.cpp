#include <gtest/gtest.h>

#include "common/rules/DateRuleMessages.h"
#include "common/rules/FiscalYearStart.h"

namespace vantir::test {
namespace {

struct FiscalCase {
    const char* VKETU;
    const char* VSIM;
    const char* month;
    const char* start;
};

void PrintTo(const FiscalCase& c, std::ostream* os) {
    *os << c.month << " VKETU " << c.VKETU << " VSIM " << c.VSIM;
}

class FiscalYearStartRule : public ::testing::TestWithParam<FiscalCase> {};

TEST_P(FiscalYearStartRule, GivesTheFirstDayOfTheFiscalYear) {
    const FiscalCase& c = GetParam();
    const auto start = fiscalYearStart(QString::fromUtf8(c.month), QString::fromUtf8(c.VKETU),
                                       QString::fromUtf8(c.VSIM));
    ASSERT_TRUE(start) << start.message.toStdString();
    EXPECT_EQ(*start.value, QString::fromUtf8(c.start));
}

INSTANTIATE_TEST_SUITE_P(Settings, FiscalYearStartRule,
                         ::testing::Values(FiscalCase{"03", "99", "03/05", "03/04/01"},
                                           FiscalCase{"03", "99", "03/02", "02/04/01"},
                                           FiscalCase{"03", "99", "03/03", "02/04/01"},
                                           FiscalCase{"03", "20", "03/05", "03/04/21"},
                                           FiscalCase{"12", "99", "03/05", "03/01/01"},
                                           FiscalCase{"12", "20", "03/12", "03/01/21"},
                                           FiscalCase{"11", "99", "03/12", "03/12/01"},
                                           FiscalCase{"03", "99", "00/02",
                                                      "99/04/01"},  // the year before 00
                                           FiscalCase{"3", "99", "03/05", "03/04/01"}));

TEST(FiscalYearStartRule, RefusesSettingsItCannotRead) {
    struct Case {
        const char* VKETU;
        const char* VSIM;
        const char* month;
        QString message;
    };
    const Case cases[] = {
        {"03", "99", "", dateRuleMessage::enterClosingDayOrMonth},
        {"03", "99", "03/5a", dateRuleMessage::month},
        {"", "99", "03/05", dateRuleMessage::fiscalMonth},
        {"13", "99", "03/05", dateRuleMessage::fiscalMonth},
        {"00", "99", "03/05", dateRuleMessage::fiscalMonth},
        {"03", "", "03/05", dateRuleMessage::ownClosingDay},
        {"03", "末", "03/05", dateRuleMessage::ownClosingDay},
    };
    for (const Case& c : cases) {
        const auto start = fiscalYearStart(QString::fromUtf8(c.month), QString::fromUtf8(c.VKETU),
                                           QString::fromUtf8(c.VSIM));
        EXPECT_FALSE(start) << c.VKETU << " " << c.VSIM << " " << c.month;
        EXPECT_EQ(start.message, c.message) << c.VKETU << " " << c.VSIM << " " << c.month;
    }
}

}  // namespace
}  // namespace vantir::test
