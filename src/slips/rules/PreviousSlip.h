#pragma once

#include <QHash>
#include <QString>
#include <QStringList>

namespace vantir {

class Dataset;

// The previous-slip memory of the slip entry: the last registered customer, origin,
// destination, tonnage, carrier, staff member and description, as text. Empty until the
// first slip is registered; it lives as long as the screen.
class PreviousSlip {
  public:
    // The remembered columns, in the order the Enter key meets them.
    static const QStringList kColumns;  // KCODE HATTI THTTI TON YCODE TANCOD BIKO

    static bool remembers(const QString& column);

    // Takes the slip's current values of the remembered columns (NULL as empty).
    void take(const Dataset& slip);
    // The remembered text; empty when nothing is remembered.
    QString value(const QString& column) const { return values_.value(column.toUpper()); }

  private:
    QHash<QString, QString> values_;
};

}  // namespace vantir
