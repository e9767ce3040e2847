#pragma once

#include <QString>
#include <QVariant>

struct sqlite3;

namespace vantir {

// Registers Jet's SQL functions on a connection (throws DbError):
//   CvDate(text)      "yy/mm/dd" (or "yyyy/mm/dd", "yyyy-mm-dd") -> "yyyy-mm-dd", a text that
//                     compares as the date; two-digit years within fifty years of today;
//                     NULL or text that is no date gives NULL
//   Nz(x[, y])        x, or y (default '') when x is NULL
//   Mid(s, start[, n]), JET_LEFT(s, n), JET_RIGHT(s, n), Len(s)    characters, not bytes
//   Val(s)            the leading number of a text, 0 when there is none
//   CLng(x)           x rounded half to even into a 64-bit integer (money passes 2^31)
//   Int(x)            the largest whole number not above x
// Left and Right reach JET_LEFT and JET_RIGHT through translateJetSql().
void registerJetFunctions(sqlite3* db);

// CvDate's conversion: the ISO text of the date, or an invalid QVariant (NULL).
QVariant jetDateValue(const QString& text);

}  // namespace vantir
