#include <gtest/gtest.h>

#include "common/rules/DateRuleMessages.h"
#include "common/rules/DueDate.h"

namespace vantir::test {
namespace {

struct SiteCase {
    const char* month;
    const char* closingDay;
    const char* site;
    const char* due;
};

void PrintTo(const SiteCase& c, std::ostream* os) {
    *os << c.month << " " << c.closingDay << " site " << c.site;
}

class DueDateBySiteRule : public ::testing::TestWithParam<SiteCase> {};

TEST_P(DueDateBySiteRule, GivesTheStoredDueDate) {
    const SiteCase& c = GetParam();
    const auto due = DueDateBySite(QString::fromUtf8(c.month), QString::fromUtf8(c.closingDay),
                                   QString::fromUtf8(c.site));
    ASSERT_TRUE(due) << due.message.toStdString();
    EXPECT_EQ(*due.value, QString::fromUtf8(c.due));
}

INSTANTIATE_TEST_SUITE_P(
    Sites, DueDateBySiteRule,
    ::testing::Values(
        SiteCase{"03/04", "20", "30", "03/05/20"}, SiteCase{"03/04", "15", "60", "03/06/15"},
        SiteCase{"03/04", "99", "45", "03/05/31"},  // 45 days: one 30-day step
        SiteCase{"03/04", "99", "15", "03/04/30"},  // no step: its own month end
        SiteCase{"03/01", "31", "30", "03/03/31"},  // 31 Jan + 30 days = 2 Mar
        SiteCase{"04/01", "99", "30", "04/03/31"}, SiteCase{"03/11", "99", "30", "03/12/31"},
        // A fixed closing day with a site that is not a multiple of 30 takes
        // its whole steps and keeps the closing day.
        SiteCase{"03/04", "20", "45", "03/05/20"}, SiteCase{"03/04", "20", "89", "03/06/20"},
        SiteCase{"03/04", "20", "29", "03/04/20"},
        SiteCase{"03/12", "25", "30", "04/01/25"},  // across the year
        SiteCase{"04/01", "29", "30", "04/03/31"},  // above 28: month end
        SiteCase{"03/01", "28", "30", "03/02/28"},
        // A 30-day step from the 1st of a 31-day month stays in that month.
        SiteCase{"03/01", "01", "30", "03/01/01"},
        SiteCase{"03/04", " 5", "30 ", "03/05/05"}));  // blanks of fixed-width text

struct PayDayCase {
    const char* month;
    const char* VSIM;
    const char* VSIT;
    const char* VYOT;
    const char* due;
};

void PrintTo(const PayDayCase& c, std::ostream* os) {
    *os << c.month << " " << c.VSIM << " " << c.VSIT << " " << c.VYOT;
}

class DueDateByPayDayRule : public ::testing::TestWithParam<PayDayCase> {};

TEST_P(DueDateByPayDayRule, GivesTheStoredPaymentDate) {
    const PayDayCase& c = GetParam();
    const auto due = DueDateByPayDay(QString::fromUtf8(c.month), QString::fromUtf8(c.VSIM),
                                     QString::fromUtf8(c.VSIT), QString::fromUtf8(c.VYOT));
    ASSERT_TRUE(due) << due.message.toStdString();
    EXPECT_EQ(*due.value, QString::fromUtf8(c.due));
}

INSTANTIATE_TEST_SUITE_P(PayDays, DueDateByPayDayRule,
                         ::testing::Values(PayDayCase{"03/04", "99", "1", "10", "03/05/10"},
                                           PayDayCase{"03/04", "20", "1", "99", "03/05/31"},
                                           PayDayCase{"03/04", "99", "0", "25", "03/04/25"},
                                           PayDayCase{"03/12", "99", "2", "99", "04/02/29"},
                                           // A payment day the month does not have is its last day,
                                           // never a date like "03/04/31" that no calendar holds.
                                           PayDayCase{"03/03", "99", "1", "31", "03/04/30"},
                                           PayDayCase{"03/01", "20", "1", "30", "03/02/28"},
                                           PayDayCase{"03/04", "99", "1", "5", "03/05/05"}));

TEST(DueDateRules, RefuseValuesTheyCannotRead) {
    struct Case {
        const char* month;
        const char* closingDay;
        const char* site;
        const char* payDay;  // nullptr: DueDateBySite
        QString message;
    };
    const Case cases[] = {
        {"", "20", "30", nullptr, dateRuleMessage::enterClosingDayOrMonth},
        {"03/04", "", "30", nullptr, dateRuleMessage::enterClosingDayOrMonth},
        {"03/4/1", "20", "30", nullptr, dateRuleMessage::month},
        {"03/04", "2a", "30", nullptr, dateRuleMessage::closingDay},
        {"03/04", "0", "30", nullptr, dateRuleMessage::closingDay},
        {"03/04", "20", "", nullptr, dateRuleMessage::siteDays},
        {"03/04", "20", "45日", nullptr, dateRuleMessage::siteDays},
        {"03/04", "20", "-30", nullptr, dateRuleMessage::siteDays},
        {"03/04", "20", "1000", nullptr, dateRuleMessage::siteDays},
        {"", "99", "1", "10", dateRuleMessage::enterClosingDayOrMonth},
        {"03/04", "", "1", "10", dateRuleMessage::enterClosingDayOrMonth},
        {"03/04", "x", "1", "10", dateRuleMessage::ownClosingDay},
        {"03/04", "99", "翌月", "10", dateRuleMessage::paymentSite},
        {"03/04", "99", "1", "", dateRuleMessage::paymentDay},
        {"03/04", "99", "1", "0", dateRuleMessage::paymentDay},
        {"03/04", "99", "1", "45", dateRuleMessage::paymentDay},
    };
    for (const Case& c : cases) {
        const QString month = QString::fromUtf8(c.month);
        const QString closingDay = QString::fromUtf8(c.closingDay);
        const QString site = QString::fromUtf8(c.site);
        const auto due = c.payDay == nullptr ? DueDateBySite(month, closingDay, site)
                                             : DueDateByPayDay(month, closingDay, site,
                                                               QString::fromUtf8(c.payDay));
        EXPECT_FALSE(due) << c.month << " " << c.closingDay << " " << c.site;
        EXPECT_EQ(due.message, c.message) << c.month << " " << c.closingDay << " " << c.site;
    }
}

}  // namespace
}  // namespace vantir::test
