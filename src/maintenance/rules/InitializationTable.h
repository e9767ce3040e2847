#pragma once

#include <QList>
#include <QString>

namespace vantir {

// One table the initialization screen empties: its button caption, the table, and whether
// the screen's date cuts it (slips and ledgers) or it is always emptied whole (masters).
struct InitializationTable {
    QString caption;
    QString table;
    bool dateBound = false;

    // The twelve buttons in the screen's order.
    static const QList<InitializationTable>& all();
};

}  // namespace vantir
