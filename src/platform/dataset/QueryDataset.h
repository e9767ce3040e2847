#pragma once

#include "platform/dataset/Dataset.h"
#include "platform/db/Connection.h"

namespace vantir {

// A statement view (Delphi's TQuery): SQL given as lines, named parameters, opened for
// its rows (read-only) or executed. Scratch statements are cleared and rewritten line
// by line before each use; the lines are joined with line breaks.
class QueryDataset : public Dataset {
public:
    QueryDataset(Database& database, QString name, QStringList sql = {});
    ~QueryDataset() override;

    const QStringList& sql() const { return sql_; }
    void setSql(const QStringList& lines);  // closes an open dataset
    void clearSql() { setSql({}); }
    void addSql(const QString& line);

    void setParam(const QString& name, const QVariant& value);  // ":KCODE" or "KCODE"
    QVariant param(const QString& name) const;

    // Runs a statement that returns no rows; returns the number of rows it changed.
    int execSql();  // throws DbError

protected:
    void load(const QString& filterSql, const QVariantList& filterParams) override;
    int loadedCount() const override;
    QVariantList fetchRow(int row) const override;
    void unload() override;

private:
    QStringList sql_;
    Params params_;
    struct State;
    std::unique_ptr<State> d_;
};

}  // namespace vantir
