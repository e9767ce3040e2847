#pragma once

#include <QLocale>

class QWidget;

namespace vantir {

// Calendars and date pickers show Japanese month and weekday names ("12月", "日 月 火…",
// weeks from Sunday) whatever the system's own locale: the clerks read them beside dates
// kept as "yy/mm/dd". A calendar or date widget is handed to applyTo when it is made; a
// date edit with its calendar popup already switched on, so that the popup follows.
class JapaneseLocale {
  public:
    static QLocale locale() { return QLocale(QLocale::Japanese, QLocale::Japan); }
    static void applyTo(QWidget& widget);
};

}  // namespace vantir
