#pragma once

#include "platform/dataset/Dataset.h"
#include "platform/db/Connection.h"

namespace vantir {

// A statement view (Delphi's TQuery): SQL given as lines, named parameters, opened for
// its rows (read-only) or executed. Scratch statements are cleared and rewritten line
// by line before each use; the lines are joined with line breaks. Column names are those
// the statement reports (a count or sum without a name is Expr1000).
//
// Opening reads the rows at once and finishes the statement: a statement left half-read
// would keep the connection from dropping or replacing tables (the whole-table copies,
// the upgrade) while the view stays open.
class QueryDataset : public Dataset {
  public:
    QueryDataset(Database& database, QString name, QStringList sql = {});
    ~QueryDataset() override;

    const QStringList& sql() const { return sql_; }
    // The SQL the view was made with: what a screen that lists the view's rows as they
    // were designed puts back after other screens rewrote it.
    const QStringList& designSql() const { return designSql_; }
    void setSql(const QStringList& lines);  // closes an open dataset
    void clearSql() { setSql({}); }
    void addSql(const QString& line);  // closes an open dataset

    void setParam(const QString& name, const QVariant& value);  // ":KCODE" or "KCODE"
    QVariant param(const QString& name) const;
    const Params& params() const { return params_; }

    // Runs a statement that returns no rows; returns the number of rows it changed.
    int execSql();  // throws DbError

  protected:
    QList<ColumnInfo> describe() override;
    void load(const QString& filterSql, const Params& filterParams) override;
    void unload() override;
    int loadedCount() const override;
    QVariantList fetchRow(int row) const override;

  private:
    QString sqlText() const;

    QStringList designSql_;
    QStringList sql_;
    Params params_;
    struct State;
    std::unique_ptr<State> d_;
};

}  // namespace vantir
