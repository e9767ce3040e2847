#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <QVariantMap>

namespace vantir {
class Connection;
class Database;
}  // namespace vantir

namespace vantir::test {

// One row to seed: column name -> value (columns left out stay NULL).
using SeedRow = QVariantMap;

// Inserts rows into a table, e.g.
//   seedRows(dm1.database(), "HIMAS3", {{{"KCODE", "000001"}, {"KNAME", "丸山運送"}}});
void seedRows(Connection& connection, const QString& table, const QList<SeedRow>& rows);
void seedRows(Database& database, const QString& table, const QList<SeedRow>& rows);

// Every row a statement returns, its fields joined by "|" and NULL shown as "<null>", e.g.
//   EXPECT_EQ(rowsOf(connection, "SELECT CODE, ZEIGAKU FROM SHOZEI"), QStringList{"1|10"});
QStringList rowsOf(Connection& connection, const QString& sql);

}  // namespace vantir::test
