#pragma once

#include "platform/dataset/Dataset.h"

namespace vantir {

// Record access to one table (Delphi's TTable): editable, ordered by an index of
// column names ("KCODE", "HYMD;CODE") or, without one, by the order rows were stored.
//
// The tables declare no key, so rows are told apart by the database's row id. Opening
// reads only the ordered row ids; the values of a row are read when it is shown, a
// block of neighbouring rows at a time.
class TableDataset : public Dataset {
  public:
    TableDataset(Database& database, QString name, QString tableName = {},
                 QString indexFieldNames = {});
    ~TableDataset() override;

    const QString& tableName() const { return tableName_; }
    // Only while closed (Table1 of the upgrade); throws DbError on an open dataset.
    void setTableName(const QString& table);
    const QString& indexFieldNames() const { return indexFieldNames_; }
    // Reorders an open dataset, keeping its current record; throws DbError, keeping the
    // order it had, for a column the table does not have.
    void setIndexFieldNames(const QString& columns);

    // Rows whose values have been read from the table since it was opened: shows that
    // opening and moving read only what is shown.
    qint64 rowsFetched() const;

  protected:
    QList<ColumnInfo> describe() override;
    void load(const QString& filterSql, const Params& filterParams) override;
    void unload() override;
    int loadedCount() const override;
    QVariantList fetchRow(int row) const override;
    qint64 rowKey(int row) const override;
    int rowOfKey(qint64 key) const override;
    int findRow(const QList<int>& columns, const QVariantList& values) const override;
    qint64 writeInsert(const QVariantList& values) override;
    void writeUpdate(int row, const QVariantList& values, const QList<bool>& changed) override;
    void writeDelete(int row) override;
    bool isReadOnly() const override { return false; }

  private:
    QList<QVariantList> readRows(int first, int count) const;

    QString tableName_;
    QString indexFieldNames_;
    struct State;
    std::unique_ptr<State> d_;
};

}  // namespace vantir
