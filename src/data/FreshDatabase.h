#pragma once

#include <QString>

#include "platform/dataset/Result.h"

namespace vantir {

class Connection;

// The content of a new main database: every declared table, the tax row, the seven code
// rows of the drop-down lists, the company record with both layout switches at "0" (A4,
// blank paper) and the control record with month-end closing, next-month payment on the
// month end and March as the fiscal closing month.
class FreshDatabase {
  public:
    // Writes the fresh content into an empty database, all or nothing. Throws DbError.
    static void build(Connection& connection);
    // Creates the database file at path with the fresh content. Refused when a file is
    // already there, so that no one's books are overwritten; the folder is created when
    // missing. A failure leaves no half-made file behind. Throws DbError.
    static Result createFile(const QString& path);
};

}  // namespace vantir
