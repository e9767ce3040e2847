#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantList>
#include <optional>

#include "platform/db/Connection.h"

namespace vantir {

class Database;

// The rows looked-up fields take their values from, read through a statement of their
// own (the customers' addresses from HIMAS3, the billing classes' names from FLG_DATA).
// A shared view of the same table would not do: a screen may have narrowed it by a
// filter (the partner master to one partner), and an invoice line of another customer
// would then show no address.
//
// The rows are read once, on the first value asked for, and read again only after the
// database has changed (Connection::dataStamp), so a grid or a report that shows the
// fields on every row runs no statement per row. One source serves every field that
// looks up by the same key.
class LookupSource {
  public:
    // name: how messages call the source ("HIMAS3"); sql: the statement that reads the
    // rows; key: the column matched against the showing row's key.
    LookupSource(Database& database, QString name, QString sql, QString key);

    const QString& name() const { return name_; }
    // column of the first row (in the statement's order) whose key equals key, compared
    // as text; NULL for a NULL key or a key no row holds. Throws DbError, naming the
    // source, for a column the statement does not give.
    QVariant value(const QVariant& key, const QString& column) const;

  private:
    void read(Connection& connection) const;
    int columnIndex(const QString& column) const;

    Database& database_;
    QString name_;
    QString sql_;
    QString key_;
    mutable QStringList columns_;
    mutable QHash<QString, QVariantList> rows_;
    mutable std::optional<DataStamp> readAt_;
};

}  // namespace vantir
