#include "support/Seed.h"

#include "platform/db/Database.h"
#include "platform/db/Statement.h"

namespace vantir::test {

void seedRows(Connection& connection, const QString& table, const QList<SeedRow>& rows) {
    for (const SeedRow& row : rows) {
        QStringList columns;
        QStringList markers;
        Params params;
        for (auto it = row.begin(); it != row.end(); ++it) {
            columns.append(it.key());
            markers.append(QLatin1Char(':') + it.key());
            params.emplace_back(it.key(), it.value());
        }
        connection.execute(
            QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(table, columns.join(QLatin1Char(',')), markers.join(QLatin1Char(','))),
            params);
    }
}

void seedRows(Database& database, const QString& table, const QList<SeedRow>& rows) {
    seedRows(database.connection(), table, rows);
}

QStringList rowsOf(Connection& connection, const QString& sql) {
    Statement statement = connection.prepare(sql);
    QStringList rows;
    while (statement.step()) {
        QStringList fields;
        for (int column = 0; column < statement.columnCount(); ++column) {
            const QVariant value = statement.value(column);
            fields.append(value.isNull() ? QStringLiteral("<null>") : value.toString());
        }
        rows.append(fields.join(QLatin1Char('|')));
    }
    return rows;
}

}  // namespace vantir::test
