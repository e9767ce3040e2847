#pragma once

#include <QList>
#include <QString>

#include "data/TableLayout.h"

namespace vantir {

// Every table a main database holds, declared once: the masters and settings, the slips
// and their sister tables, the ledgers, the invoice work tables, and the work tables of
// the monthly processing (kept in the main database too, so that the working copy made
// from it at start has them before the first aggregation). The temporary tables of the
// aggregation (HIMAS_31, HIMAS_32, HITRAN_M, HITRAN_S) live only during a run and are
// copies, so they are not declared here.
class Schema {
  public:
    // In the order a fresh database creates them.
    static const QList<TableLayout>& tables();
    // The table of that name (case-insensitive); nullptr when the program declares none.
    static const TableLayout* find(const QString& table);
};

}  // namespace vantir
