#pragma once

#include <QString>
#include <QVariant>
#include <functional>

#include "platform/report/ReportRow.h"

namespace vantir {

class AggregateState;

// What an expression of a report sees when its band prints: the row (for a group footer
// the last row of the group), the report's sums and counts, and the page number.
class ReportContext {
  public:
    ReportContext(const ReportRow& row, const AggregateState& aggregates, int pageNumber)
        : row_(row), aggregates_(aggregates), pageNumber_(pageNumber) {}

    QVariant value(const QString& column) const { return row_.value(column); }
    QString text(const QString& column) const { return value(column).toString(); }  // NULL: ""
    // A whole number of the row, NULL read as 0: amounts in expressions such as
    // UKING + UHIYO.
    qint64 integer(const QString& column) const { return value(column).toLongLong(); }

    // The current value of a sum or count (by the name it was given in its band).
    QVariant aggregate(const QString& name) const;
    qint64 aggregateInteger(const QString& name) const { return aggregate(name).toLongLong(); }

    int pageNumber() const { return pageNumber_; }
    const ReportRow& row() const { return row_; }

  private:
    const ReportRow& row_;
    const AggregateState& aggregates_;
    int pageNumber_;
};

// A value computed over the row when a band prints (a C++ callable).
using ReportExpression = std::function<QVariant(const ReportContext&)>;

// The value of one column of the row, as an expression.
inline ReportExpression columnValue(const QString& column) {
    return [column](const ReportContext& context) { return context.value(column); };
}

}  // namespace vantir
