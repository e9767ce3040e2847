#include "MonthlyTables.h"

#include "platform/db/Connection.h"
#include "support/Seed.h"

namespace vantir::test {

namespace {

QStringList sortedRows(Connection& connection, const QString& table) {
    QStringList order;
    for (int column = 1; column <= connection.columnNames(table).size(); ++column)
        order.append(QString::number(column));
    return rowsOf(connection, QStringLiteral("SELECT * FROM %1 ORDER BY %2").arg(table, order.join(u',')));
}

}  // namespace

MonthlyTables MonthlyTables::of(Connection& connection) {
    return {sortedRows(connection, QStringLiteral("HIMAS31")), sortedRows(connection, QStringLiteral("HIMAS32")),
            sortedRows(connection, QStringLiteral("HITRANM")), sortedRows(connection, QStringLiteral("HITRANS"))};
}

}  // namespace vantir::test
