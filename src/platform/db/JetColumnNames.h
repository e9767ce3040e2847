#pragma once

#include <QStringList>

struct sqlite3_stmt;

namespace vantir {

// The names Jet gives the result columns of a prepared statement:
// - a column read straight from a table keeps the table's spelling of its name ("KCODE"
//   for "SELECT kcode"), and a column named by AS ("COUNT(*) AS N"), a view or a sub-query
//   keeps that name;
// - an unnamed expression is "Expr" followed by 1000 plus its position, counted from 0:
//   "SELECT COUNT(*) FROM HITRAN1" gives Expr1000, "SELECT KCODE, SUM(UKING) ..." gives
//   KCODE and Expr1001;
// - a name that two tables give the same result ("SELECT A.*, B.SIME" when A has SIME too)
//   is qualified by its table on every such column ("A.SIME", "B.SIME").
QStringList jetColumnNames(sqlite3_stmt* stmt);

}  // namespace vantir
