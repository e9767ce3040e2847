#pragma once

#include <QAbstractItemModel>
#include <QCalendarWidget>
#include <QStringList>
#include <QTableView>
#include <QToolButton>

namespace vantir::test {

// What a calendar shows in words: the month of its page, then the weekday headings in
// the order they stand.
inline QStringList calendarTexts(const QCalendarWidget& calendar) {
    QStringList texts;
    if (auto* month = calendar.findChild<QToolButton*>(QStringLiteral("qt_calendar_monthbutton")))
        texts << month->text();
    if (auto* view = calendar.findChild<QTableView*>(QStringLiteral("qt_calendar_calendarview"))) {
        const QAbstractItemModel* model = view->model();
        for (int column = 0; column < model->columnCount(); ++column) {
            const QString heading = model->data(model->index(0, column)).toString();
            if (!heading.isEmpty()) texts << heading;
        }
    }
    return texts;
}

}  // namespace vantir::test
