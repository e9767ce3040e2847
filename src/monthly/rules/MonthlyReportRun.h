#pragma once

#include <QString>
#include <QStringList>

#include "monthly/rules/MonthlyRunValues.h"

namespace vantir {

struct MonthlyReportShape;
struct PrintSelection;
struct PrintSources;

// What one print of a month-based report works with: the closing day d, the month, the
// period S..E, the fiscal-year start and the tax rate T as the monthly aggregation works
// them out, the code range a..b as typed and the choice n (the sub-period or the closing
// flag). A range or choice not given is the report's opening value in its dialog.
struct MonthlyReportRun {
    MonthlyRunValues values;
    QString from;    // a
    QString to;      // b
    QString choice;  // n

    // An empty closing day or month is refused with "締日又は月度に入力して下さい。" before
    // anything is touched. Then the working copy is refreshed (unless an archive is in its
    // place), so that the print sees what was entered since start, and T is read from it.
    // Throws PrintError with the message to show, and DbError.
    static MonthlyReportRun begin(const MonthlyReportShape& shape, const PrintSources& sources,
                                  const PrintSelection& selection);

    // "WHERE (DDAY >= 'S'", "AND DDAY <= 'E')": the lines that keep a column in a period.
    static QStringList periodLines(const QString& column, const QString& start, const QString& end);
    // "AND (KCODE >= 'a' AND KCODE <= 'b')": codes compare as text, so "1" to "2" takes "10".
    QString rangeLine(const QString& column) const;
};

}  // namespace vantir
