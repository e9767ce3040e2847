#include "monthly/rules/MonthlyWorkTables.h"

#include "common/printing/WorkingCopyPrint.h"
#include "data/DataModule2.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/dataset/TableDataset.h"
#include "platform/db/Database.h"
#include "platform/db/TransactionGuard.h"

namespace vantir {

int MonthlyWorkTables::copy(const QString& table, const QStringList& sql, qint64 taxRate,
                            const QStringList& zeroed) {
    Connection& connection = dm2_.database().connection();
    TransactionGuard guard(connection);
    QueryDataset& source = dm2_.query1();
    source.close();
    source.setSql(sql);
    TableDataset& destination = dm2_.table1();
    destination.close();
    destination.setTableName(table);
    const int rows = dm2_.batchMove1().execute(source, destination);
    source.close();
    QStringList assignments{QStringLiteral("SHOZEI = %1").arg(taxRate)};
    for (const QString& column : zeroed) assignments << column + QStringLiteral(" = 0");
    execute(QStringLiteral("Update %1 Set %2").arg(table, assignments.join(QStringLiteral(", "))));
    guard.commit();
    return rows;
}

void MonthlyWorkTables::execute(const QString& sql) { dm2_.database().connection().execute(sql); }

Dataset& MonthlyWorkTables::openList(const QString& view, const QStringList& sql,
                                     bool emptyPrints) {
    QueryDataset& list = dm2_.query(view);
    list.close();
    list.setSql(sql);
    list.open();
    if (!emptyPrints && list.recordCount() == 0) {
        list.close();
        refuseEmptyPrint();
    }
    return list;
}

}  // namespace vantir
