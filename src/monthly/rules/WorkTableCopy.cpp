#include "monthly/rules/WorkTableCopy.h"

#include "data/DataModule2.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/dataset/TableDataset.h"
#include "platform/db/SqlQuote.h"

namespace vantir {

void WorkTableCopy::copy(DataModule2& workingCopy, const QString& table,
                         const QStringList& select) {
    QueryDataset& source = workingCopy.query1();
    TableDataset& destination = workingCopy.table1();
    source.setSql(select);
    destination.close();
    destination.setTableName(table);
    workingCopy.batchMove1().execute(source, destination);
    source.close();
}

void WorkTableCopy::setTaxRate(DataModule2& workingCopy, const QString& table, qint64 rate) {
    workingCopy.database().connection().execute(QStringLiteral("Update ") + sqlIdentifier(table) +
                                                QStringLiteral(" Set SHOZEI = ") +
                                                QString::number(rate));
}

bool WorkTableCopy::isEmpty(DataModule2& workingCopy, const QString& table) {
    return workingCopy.database()
               .connection()
               .scalar(QStringLiteral("SELECT COUNT(*) FROM ") + sqlIdentifier(table))
               .toLongLong() == 0;
}

}  // namespace vantir
