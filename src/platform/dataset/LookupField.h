#pragma once

#include <QString>
#include <QVariant>
#include <memory>

#include "platform/db/ColumnType.h"

namespace vantir {

class LookupSource;

// A value shown in one dataset but taken from another table by key (the customer's postal
// code and address on an invoice line, the billing-kind name on a receipt row): the
// resultColumn of the source row whose key equals this row's keyColumn.
class LookupField {
  public:
    LookupField(const ColumnInfo& field, std::shared_ptr<const LookupSource> source,
                QString keyColumn, QString resultColumn);

    const ColumnInfo& field() const { return field_; }
    const QString& keyColumn() const { return keyColumn_; }
    // The result for a key value of the dataset that shows the field; NULL for a NULL
    // key or a key the source does not hold (the first matching source row wins).
    QVariant valueFor(const QVariant& key) const;

  private:
    ColumnInfo field_;
    std::shared_ptr<const LookupSource> source_;
    QString keyColumn_;
    QString resultColumn_;
};

}  // namespace vantir
