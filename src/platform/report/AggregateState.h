#pragma once

#include <QHash>
#include <QList>
#include <QVariant>

#include "platform/report/ReportAggregate.h"

namespace vantir {

class ReportBand;
class ReportDefinition;
class ReportRow;

// The current values of a report's sums and counts while it is laid out. Sums of whole
// numbers stay whole (qint64, so yearly yen totals never overflow); a sum that meets a
// fraction becomes a double.
class AggregateState {
  public:
    // Collects the aggregates of every band; throws ReportError for a name used twice.
    explicit AggregateState(const ReportDefinition& definition);

    // Adds one row to every sum and count.
    void accumulate(const ReportRow& row, int pageNumber);
    // Starts the band's sums and counts again, except the running ones.
    void resetAfter(const ReportBand& band);
    QVariant value(const QString& name) const;  // throws ReportError for an unknown name

  private:
    struct Slot {
        ReportAggregate definition;
        const ReportBand* band;
        qint64 integerSum = 0;
        double realSum = 0.0;
        bool real = false;
        qint64 count = 0;
    };
    void add(Slot& slot, const QVariant& value);

    QList<Slot> slots_;
    QHash<QString, int> byName_;  // upper-case name -> slot
};

}  // namespace vantir
