#include <gtest/gtest.h>

#include <QCalendarWidget>
#include <QDateEdit>

#include "platform/ui/JapaneseLocale.h"
#include "support/CalendarTexts.h"
#include "support/ScopedDefaultLocale.h"

namespace vantir::test {
namespace {

const QStringList kJapaneseDecember = {"12月", "日", "月", "火", "水", "木", "金", "土"};

// On a machine whose locale is C, a calendar speaks English until it is given the
// Japanese locale; so does the calendar popup of a date edit.
TEST(JapaneseLocaleTest, CalendarsAndDatePickersShowJapaneseNames) {
    const ScopedDefaultLocale system(QLocale::c());
    QCalendarWidget plain;
    plain.setSelectedDate(QDate(2026, 12, 9));
    ASSERT_NE(calendarTexts(plain), kJapaneseDecember) << "the test shows nothing";

    QCalendarWidget calendar;
    JapaneseLocale::applyTo(calendar);
    calendar.setSelectedDate(QDate(2026, 12, 9));
    EXPECT_EQ(calendarTexts(calendar), kJapaneseDecember);

    QDateEdit picker;
    picker.setCalendarPopup(true);
    JapaneseLocale::applyTo(picker);
    EXPECT_EQ(picker.locale(), JapaneseLocale::locale());
    picker.calendarWidget()->setSelectedDate(QDate(2026, 12, 9));
    EXPECT_EQ(calendarTexts(*picker.calendarWidget()), kJapaneseDecember);
}

}  // namespace
}  // namespace vantir::test
