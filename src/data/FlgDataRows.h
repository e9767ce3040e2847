#pragma once

#include <QList>
#include <QString>

namespace vantir {

class Connection;

// One code of FLG_DATA: its place in the list, its group, the group's list name, the code
// stored in the referring column and the text the drop-down shows for it.
struct FlgDataRow {
    int fcode;
    int gcode;
    QString gname;
    QString fdata;
    QString fname;
};

// The seven codes behind the drop-down lists (group 1 the site flag SIMEFLG, group 2 the
// deposit type YKBUN, group 3 the billing class SEKBN), written into a fresh database and
// by the upgrade that rebuilds a code table short of rows, so both get the same codes.
class FlgDataRows {
  public:
    static const QList<FlgDataRow>& all();
    // Inserts the seven rows, one statement each, values bound. Throws DbError.
    static void insertInto(Connection& connection);
};

}  // namespace vantir
