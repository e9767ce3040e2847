#pragma once

#include <QList>
#include <QString>
#include <QVariant>

#include "platform/db/Statement.h"

namespace vantir {

class Connection;
struct TableLayout;

// Appends rows to one declared table through one prepared statement with bound values,
// so that a million slips cost one parse. A row is filled column by column (by the index
// column() gives, found once) and written; every column not set is NULL. A text wider
// than its column in Shift_JIS bytes is a fault of the sample company and throws
// std::logic_error naming the column, rather than landing in a table the screens could
// not show whole.
class SampleTableWriter {
  public:
    SampleTableWriter(Connection& connection, const QString& table);

    // The position of the column in the row; throws std::logic_error for a column the
    // table does not have.
    int column(const char* name) const;
    void set(int column, const QVariant& value) { row_[column] = value; }
    void set(const char* name, const QVariant& value) { set(column(name), value); }
    void set(const char* name, const QString& text) { set(column(name), QVariant(text)); }
    void set(const char* name, qint64 amount) { set(column(name), QVariant(amount)); }
    // Appends the row and clears it for the next one.
    void write();

  private:
    const TableLayout& layout_;
    Statement insert_;
    QList<QVariant> row_;
};

}  // namespace vantir
