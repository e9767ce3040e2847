#pragma once

#include "platform/dataset/Dataset.h"

namespace vantir {

// Record access to one table (Delphi's TTable): editable, ordered by an index of
// column names ("KCODE", "HYMD;CODE") or, without one, by the order rows were stored.
class TableDataset : public Dataset {
public:
    TableDataset(Database& database, QString name, QString tableName = {},
                 QString indexFieldNames = {});
    ~TableDataset() override;

    const QString& tableName() const { return tableName_; }
    void setTableName(const QString& table);  // only while closed (Table1 of the upgrade)
    const QString& indexFieldNames() const { return indexFieldNames_; }
    void setIndexFieldNames(const QString& columns);  // reorders an open dataset

protected:
    void load(const QString& filterSql, const QVariantList& filterParams) override;
    int loadedCount() const override;
    QVariantList fetchRow(int row) const override;
    void unload() override;
    int writeInsert(const QVariantList& values) override;
    int writeUpdate(int row, const QVariantList& values) override;
    void writeDelete(int row) override;
    bool isReadOnly() const override { return false; }

private:
    QString tableName_;
    QString indexFieldNames_;
    struct State;
    std::unique_ptr<State> d_;
};

}  // namespace vantir
