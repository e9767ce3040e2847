#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

#include "data/BatchMove.h"
#include "platform/db/Database.h"

namespace vantir {

class Dataset;
class QueryDataset;
class TableDataset;

// One shared data module: the database connection "DataBase" and the named views every
// screen and report binds to, all made at program start and closed until someone opens
// them. Opening any view connects the database. Views are found by their names, and by
// the names of their data sources (names beginning with DS).
class DataModule {
  public:
    virtual ~DataModule();
    DataModule(const DataModule&) = delete;
    DataModule& operator=(const DataModule&) = delete;

    // The connection "DataBase" to the module's data source.
    Database& database() { return database_; }

    // The view of that name; throws std::out_of_range naming it when the module has none.
    Dataset& view(const QString& name) const;
    TableDataset& table(const QString& name) const;
    QueryDataset& query(const QString& name) const;
    Dataset* findView(const QString& name) const;
    // The view a data source names ("DSHIT1" -> HITRAN1); throws std::out_of_range.
    Dataset& dataSource(const QString& dataSourceName) const;
    QStringList viewNames() const;
    QStringList dataSourceNames() const { return dataSources_.keys(); }

    // The scratch statements and the run-time table view used with the copy tools.
    QueryDataset& query1() const;
    QueryDataset& query2() const;
    QueryDataset& qExpr() const;
    QueryDataset& querySum() const;
    TableDataset& table1() const;
    // Whole-table copy replacing the destination; usable from either module into either.
    const BatchMove& batchMove1() const { return batchMove1_; }

    // Closes every view.
    void closeAll();

  protected:
    // Makes the views the catalogue gives this module, with their looked-up fields.
    DataModule(const QString& dataSourceName, const QString& databasePath, bool mainModule);

  private:
    void addView(std::unique_ptr<Dataset> view, const QString& dataSource);
    void addLookupFields();

    Database database_;
    std::vector<std::unique_ptr<Dataset>> views_;
    QHash<QString, Dataset*> byName_;
    QHash<QString, Dataset*> dataSources_;
    BatchMove batchMove1_{QStringLiteral("BatchMove1"), BatchMove::Mode::Copy};
};

}  // namespace vantir
