#pragma once

#include <QString>

namespace vantir {

class Dataset;
class TableDataset;

// A whole-table copy from a view of one database into a table of the same or the other
// database (the working copy's results into the main database and back).
//
// Copy: the destination is created anew with the source's columns, each keeping the
// declared type of the table column it comes from (a computed column gets none), and
// every row of the source is copied. The old destination is replaced only once the new
// one is complete, so a failed copy leaves it as it was, and a table may be copied onto
// itself (HIMAS32 from "SELECT * FROM HIMAS32 WHERE ...").
//
// Append: the destination keeps its rows and layout and gets every source row added,
// columns matched by name whatever their order (the invoice header of WK_SEK_HED into
// HITRANM). A source column the destination lacks is refused, naming it, before any row
// moves; destination columns the source lacks stay NULL.
//
// AppendUpdate: the destination keeps its rows and layout; a source row whose key equals
// a destination row's key updates that row, the others are appended. The key is the
// destination view's index columns (TableDataset::indexFieldNames), the columns that
// keep its rows apart; only the columns the destination has are moved.
class BatchMove {
  public:
    enum class Mode { Copy, Append, AppendUpdate };

    BatchMove(QString name, Mode mode) : name_(std::move(name)), mode_(mode) {}

    const QString& name() const { return name_; }
    Mode mode() const { return mode_; }

    // Moves the rows source shows (under its filter; it is opened when closed) into the
    // table named by destination, which is closed first. Returns the number of rows moved.
    // Throws DbError; all or nothing.
    int execute(Dataset& source, TableDataset& destination) const;

  private:
    QString name_;
    Mode mode_;
};

}  // namespace vantir
