#pragma once

#include <QString>

namespace vantir {

// The main window's state values: the program's shared run-time state, read by the
// screens, the record hooks and the search dialogs. The app owns the one object and
// hands it to whoever reads it; every value is text, as the main window keeps it.
struct AppState {
    // The program directory.
    QString EditDir;
    // The selected menu group, "1" to "9".
    QString EditMPage;
    // The mode name of the screen opened last; the record hooks serve only that screen.
    QString EditPName = QStringLiteral("EditPName");
    // The day last clicked in the calendar, "yy/mm/dd"; empty until the first click.
    QString EditDate;
    // The own office code and name, lines 1 and 2 of "VantirTenSet.ini".
    QString EditTen;
    QString EditTen2;
    // The data source name last chosen on the data switch screen.
    QString EditS1 = QStringLiteral("EditS1");
    // Whether the working copy holds a file the data switch put in its place (a year
    // archive) rather than the start's snapshot of the main database: the monthly
    // aggregation then computes in it and writes nothing into the main database.
    bool WorkingCopyIsArchive = false;
    // COP_DAT.RPT_FLG (report layouts) and COP_DAT.RPT_FLG2 (invoice forms).
    QString EditRpt_Flg = QStringLiteral("0");
    QString EditRpt_Flg2 = QStringLiteral("0");
};

}  // namespace vantir
