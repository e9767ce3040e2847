#include <gtest/gtest.h>

#include "platform/system/Clock.h"
#include "support/FixedToday.h"

namespace vantir::test {
namespace {

TEST(Clock, TodayIsTheDateVantirTodayNames) {
    const FixedToday today("2030-02-28");
    EXPECT_EQ(Clock::today(), QDate(2030, 2, 28));
    EXPECT_EQ(Clock::now().date(), QDate(2030, 2, 28));
}

// A mistyped value must not stop the program: it runs on the real date and says so once.
TEST(Clock, UnreadableValueFallsBackToTheRealDateAndSaysSoOnce) {
    testing::internal::CaptureStderr();
    for (const char* value : {"2026-13-01", "tomorrow", "2026-1-9", "2026-02-30"}) {
        const FixedToday today(value);
        EXPECT_EQ(Clock::today(), QDate::currentDate()) << value;
    }
    const QString warnings = QString::fromStdString(testing::internal::GetCapturedStderr());
    EXPECT_EQ(warnings.count(QStringLiteral("VANTIR_TODAY")), 1) << warnings.toStdString();
}

}  // namespace
}  // namespace vantir::test
