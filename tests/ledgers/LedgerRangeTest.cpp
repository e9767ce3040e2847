#include <gtest/gtest.h>

#include "ledgers/rules/LedgerRange.h"

namespace vantir::test {
namespace {

TEST(LedgerRangeTest, TheClosingPeriodOfTheMonthAsText) {
    struct Case {
        const char* closingDay;
        const char* month;
        const char* first;
        const char* last;
    };
    for (const Case& c : {Case{"20", "24/03", "24/02/21", "24/03/20"},
                          Case{"20", "24/01", "23/12/21", "24/01/20"},
                          Case{"99", "24/02", "24/02/01", "24/02/29"},
                          Case{"99", "24/12", "24/12/01", "24/12/31"},
                          // Day 32 of March is no date, but as text it bounds April's lines.
                          Case{"31", "24/04", "24/03/32", "24/04/31"},
                          Case{"05", "24/05", "24/04/06", "24/05/05"}}) {
        SCOPED_TRACE(std::string(c.closingDay) + " " + c.month);
        const auto range = ledgerRange(QString::fromLatin1(c.closingDay), QString::fromLatin1(c.month));
        ASSERT_TRUE(range) << range.message.toStdString();
        EXPECT_EQ(range.value->start, QString::fromLatin1(c.first));
        EXPECT_EQ(range.value->end, QString::fromLatin1(c.last));
    }
}

TEST(LedgerRangeTest, AnEmptyBoxOrAWrongClosingDayStopsTheSelectionWithItsMessage) {
    struct Case {
        const char* closingDay;
        const char* month;
        const char* message;
    };
    for (const Case& c : {Case{"", "24/03", "締日又は月度に入力して下さい。"},
                          Case{"20", "", "締日又は月度に入力して下さい。"},
                          Case{" ", " ", "締日又は月度に入力して下さい。"},
                          Case{"0", "24/03", "締日が違っています。"},
                          Case{"-1", "24/03", "締日が違っています。"},
                          Case{"32", "24/03", "締日が違っています。"},
                          Case{"98", "24/03", "締日が違っています。"},
                          Case{"2x", "24/03", "'2x' は整数ではありません"}}) {
        SCOPED_TRACE(c.closingDay);
        const auto range =
            ledgerRange(QString::fromLatin1(c.closingDay), QString::fromLatin1(c.month));
        EXPECT_FALSE(range);
        EXPECT_EQ(range.message, QString::fromUtf8(c.message));
    }
}

}  // namespace
}  // namespace vantir::test
