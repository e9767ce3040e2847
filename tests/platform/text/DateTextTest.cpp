#include <gtest/gtest.h>

#include "platform/dates/DateText.h"
#include "support/FixedToday.h"

namespace vantir::test {
namespace {

struct YearCase {
    const char* today;
    int yy;
    int year;
};

void PrintTo(const YearCase& c, std::ostream* os) { *os << c.today << " yy " << c.yy; }

class TwoDigitYear : public ::testing::TestWithParam<YearCase> {};

// The window runs from fifty years before today's year to forty-nine after it.
TEST_P(TwoDigitYear, ExpandsWithinFiftyYearsOfToday) {
    const FixedToday today(GetParam().today);
    EXPECT_EQ(expandTwoDigitYear(GetParam().yy), GetParam().year);
}

INSTANTIATE_TEST_SUITE_P(
    Edges, TwoDigitYear,
    ::testing::Values(YearCase{"2026-12-09", 3, 2003}, YearCase{"2026-12-09", 26, 2026},
                      YearCase{"2026-12-09", 75, 2075}, YearCase{"2026-12-09", 76, 1976},
                      YearCase{"2026-12-09", 99, 1999}, YearCase{"2026-12-09", 0, 2000},
                      YearCase{"2026-01-01", 76, 1976},  // the edge moves by year, not by day
                      YearCase{"2049-06-30", 99, 1999}, YearCase{"2049-06-30", 98, 2098},
                      YearCase{"2050-01-01", 99, 2099}, YearCase{"2051-01-01", 0, 2100},
                      YearCase{"2051-01-01", 1, 2001}));

TEST(DateText, ParsesYyMmDd) {
    struct Case {
        const char* text;
        QDate date;  // invalid: refused
    };
    const Case cases[] = {
        {"03/05/20", QDate(2003, 5, 20)},
        {"3/5/1", QDate(2003, 5, 1)},
        {"04/02/29", QDate(2004, 2, 29)},
        {"00/02/29", QDate(2000, 2, 29)},
        {"76/01/01", QDate(1976, 1, 1)},
        {"75/12/31", QDate(2075, 12, 31)},
        {"03/02/29", QDate()},
        {"03/04/31", QDate()},
        {"03/13/01", QDate()},
        {"03/00/01", QDate()},
        {"03-05-20", QDate()},
        {"2003/05/20", QDate()},
        {"03/05/20/", QDate()},
        {"03/05/ 1", QDate()},
        {"", QDate()},
    };
    for (const Case& c : cases) {
        const std::optional<QDate> parsed = parseYyMmDd(QString::fromUtf8(c.text));
        EXPECT_EQ(parsed.value_or(QDate()), c.date) << c.text;
    }
}

TEST(DateText, FormatsYyMmDd) {
    EXPECT_EQ(formatYyMmDd(QDate(2003, 5, 20)), "03/05/20");
    EXPECT_EQ(formatYyMmDd(QDate(1999, 12, 31)), "99/12/31");
    EXPECT_EQ(formatYyMmDd(QDate(2100, 1, 1)), "00/01/01");
    EXPECT_EQ(formatYyMmDd(QDate()), "");
}

TEST(DateText, ParsesAndFormatsYyMm) {
    struct Case {
        const char* text;
        bool ok;
        int year;
        int month;
    };
    const Case cases[] = {
        {"03/05", true, 2003, 5},  {"99/12", true, 1999, 12}, {"3/1", true, 2003, 1},
        {"03/13", false, 0, 0},    {"03/00", false, 0, 0},    {"0305", false, 0, 0},
        {"03/05/20", false, 0, 0}, {"", false, 0, 0},
    };
    for (const Case& c : cases) {
        int year = 0;
        int month = 0;
        ASSERT_EQ(parseYyMm(QString::fromUtf8(c.text), &year, &month), c.ok) << c.text;
        if (!c.ok) continue;
        EXPECT_EQ(year, c.year) << c.text;
        EXPECT_EQ(month, c.month) << c.text;
    }
    EXPECT_EQ(formatYyMm(2003, 5), "03/05");
    EXPECT_EQ(formatYyMm(2100, 12), "00/12");
}

TEST(DateText, LastDayOfMonthFollowsTheGregorianCalendar) {
    struct Case {
        int year;
        int month;
        int lastDay;
    };
    const Case cases[] = {{2003, 2, 28}, {2004, 2, 29}, {2000, 2, 29},
                          {2100, 2, 28}, {2003, 4, 30}, {2003, 12, 31}};
    for (const Case& c : cases) {
        EXPECT_EQ(lastDayOfMonth(c.year, c.month), QDate(c.year, c.month, c.lastDay))
            << c.year << "/" << c.month;
    }
    EXPECT_FALSE(lastDayOfMonth(2003, 13).isValid());
}

TEST(DateText, TwoDigitArithmeticKeepsTheLastTwoDigits) {
    struct Case {
        const char* value;
        const char* next;
        const char* previous;
    };
    const Case cases[] = {
        {"05", "06", "04"}, {"01", "02", "00"}, {"00", "01", "99"},
        {"99", "00", "98"}, {"12", "13", "11"}, {"5", "06", "04"},
        {"ab", "", ""},     {"", "", ""},       {"-1", "", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(twoDigitNext(QString::fromUtf8(c.value)), QString::fromUtf8(c.next)) << c.value;
        EXPECT_EQ(twoDigitPrevious(QString::fromUtf8(c.value)), QString::fromUtf8(c.previous))
            << c.value;
    }
}

}  // namespace
}  // namespace vantir::test
