#pragma once

#include <QVariant>

#include "platform/dataset/Result.h"
#include "platform/db/ColumnType.h"

namespace vantir {

// Turns what a screen or a rule writes into a field into the value the column stores,
// or refuses it with the message the user sees. Text is never cut to fit: a text longer
// than its column's width in CP932 bytes is refused. Text for a numeric column is read
// as typed: blank is NULL, anything else must be a number of the column's kind.
class FieldInput {
  public:
    // On success *stored holds the value to keep (NULL, qint64, double or QString).
    static Result convert(const ColumnInfo& column, const QVariant& input, QVariant* stored);

  private:
    static Result toInteger(const ColumnInfo& column, const QVariant& input, QVariant* stored);
    static Result toFloat(const ColumnInfo& column, const QVariant& input, QVariant* stored);
    static Result toText(const ColumnInfo& column, const QVariant& input, QVariant* stored);
};

}  // namespace vantir
