#include "platform/ui/JapaneseLocale.h"

#include <QCalendarWidget>
#include <QDateTimeEdit>
#include <QWidget>

namespace vantir {

void JapaneseLocale::applyTo(QWidget& widget) {
    const QLocale japanese = locale();
    widget.setLocale(japanese);
    QList<QCalendarWidget*> calendars;
    if (auto* own = qobject_cast<QCalendarWidget*>(&widget)) calendars << own;
    // A date edit makes its popup calendar when first asked, with the names of its edit
    // but the first weekday of the program's default locale.
    if (auto* edit = qobject_cast<QDateTimeEdit*>(&widget); edit && edit->calendarPopup())
        calendars << edit->calendarWidget();
    for (QCalendarWidget* calendar : calendars) {
        calendar->setLocale(japanese);
        calendar->setFirstDayOfWeek(japanese.firstDayOfWeek());
    }
}

}  // namespace vantir
