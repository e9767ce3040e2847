#pragma once

#include <QString>

namespace vantir {

// What was chosen for a printout, in its selection dialog or by the options of the
// command line that carry the same names everywhere. A value not given is empty; dates
// are "yy/mm/dd", months "yy/mm", closing days "01" to "28" (to "31" where the printout
// says so) or "99".
struct PrintSelection {
    QString date;   // --date
    QString kind;   // --kind: one of the printout's kinds (which date of the slip)
    QString sime;   // --sime: the closing day
    QString month;  // --month
    QString from;   // --from and --to: a range of codes
    QString to;
    QString since;  // --since and --until: a range of dates
    QString until;
    QString partner;  // --partner: one customer or carrier code
    QString choice;   // --choice: one digit (a sub-period, a closing flag)
    // Not chosen but filled by PrintRunner: the own office's name (AppState::EditTen2,
    // line 2 of "VantirTenSet.ini"), which the month-based reports print in their header.
    QString office;
};

}  // namespace vantir
