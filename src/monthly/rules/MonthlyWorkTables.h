#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace vantir {

class DataModule2;
class Dataset;

// The work tables of the working copy a month-based report extracts into, and the list
// query it prints from. Every statement is Access-style text whose values were quoted.
class MonthlyWorkTables {
  public:
    explicit MonthlyWorkTables(DataModule2& dm2) : dm2_(dm2) {}

    // The statement's rows into `table`, dropped and made anew with the statement's
    // columns (the whole-table copy), then "Update HWRK2 Set SHOZEI = T": the rate every
    // row's tax is worked out with, and 0 in each of the `zeroed` columns. All of it lands
    // together, in one pass over the rows. Returns the number of rows.
    int copy(const QString& table, const QStringList& sql, qint64 taxRate,
             const QStringList& zeroed = {});
    void execute(const QString& sql);
    // The named list query (Q_HWRK2, ...) rewritten with `sql` and opened. With no row
    // the print is refused with "該当するデータがありません。" unless `emptyPrints`.
    Dataset& openList(const QString& view, const QStringList& sql, bool emptyPrints = false);

  private:
    DataModule2& dm2_;
};

}  // namespace vantir
