#pragma once

#include <QString>

namespace vantir {

// The system writes its SQL in the Access (Jet) dialect. SQLite already reads most of
// it as written: keywords in any case ("UpDate", "DROP Table"), "Is Null", "Char(n)",
// "VARCHAR(n)", "INT", table names in any case, quoted numbers stored into integer
// columns (column affinity), IIf. Jet's functions (CvDate, Nz, Mid, Len, Val, CLng,
// Int, Left, Right) are registered on every connection by registerJetFunctions().
// What is left for the text itself is rewritten here, token by token, never inside a
// quoted literal or a comment.
//
// Rewrites: Left( and Right( become JET_LEFT( and JET_RIGHT(, because SQLite reserves
// LEFT and RIGHT for joins and cannot call functions by those names.
QString translateJetSql(const QString& sql);

}  // namespace vantir
