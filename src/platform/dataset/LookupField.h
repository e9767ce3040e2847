#pragma once

#include <QHash>
#include <QString>
#include <QVariant>

#include "platform/db/ColumnType.h"

namespace vantir {

class Dataset;

// A value shown in one dataset but taken from another by key (the customer's postal code
// and address on an invoice line, the billing-kind name on a receipt row). The source's
// key/result pairs are read once and read again whenever the source's rows change.
class LookupField {
  public:
    LookupField(const ColumnInfo& field, Dataset& source, QString keyColumn, QString sourceKey,
                QString resultColumn);

    const ColumnInfo& field() const { return field_; }
    const QString& keyColumn() const { return keyColumn_; }
    // The result for a key value of the dataset that shows the field; NULL for a NULL
    // key or a key the source does not hold (the first matching source row wins).
    QVariant valueFor(const QVariant& key) const;

  private:
    void readSource() const;

    ColumnInfo field_;
    Dataset& source_;
    QString keyColumn_;
    QString sourceKey_;
    QString resultColumn_;
    mutable QHash<QString, QVariant> results_;
    mutable quint64 readAtGeneration_ = 0;
    mutable bool read_ = false;
};

}  // namespace vantir
