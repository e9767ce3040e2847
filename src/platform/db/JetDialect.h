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
//
// Refused, with DbError naming the form, because SQLite would read them otherwise and
// give a wrong result without a word: "&" joining texts ('a' & 'b' is 0 there, a bitwise
// and), "TOP n", date literals "#03/05/20#", LIKE patterns with Jet's "*", and text in
// double quotes (see jetDoubleQuotedTextRefusal). Write '…' || '…', ORDER BY … LIMIT n,
// '03/05/20' (dates are "yy/mm/dd" text) and LIKE with "%" instead.
QString translateJetSql(const QString& sql);

// Text in double quotes ("abc", Jet's other form of a text literal) cannot be told from a
// quoted name by its place in a statement: the program quotes names it cannot write bare
// (sqlIdentifier: a copied column "HWRK1.SIME") and may compare such a column with
// another. So a double-quoted run is always a name, and the connections are set to keep
// it one (SQLite would otherwise take an unknown name for text). When the engine then
// finds no column of that name, the run was meant as text: given the statement and the
// engine's message, this returns the refusal to report instead, or an empty string when
// the failure is of another kind.
QString jetDoubleQuotedTextRefusal(const QString& sql, const QString& engineMessage);

}  // namespace vantir
