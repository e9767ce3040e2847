#pragma once

#include <QVariant>
#include <QVariantList>
#include <memory>

#include "platform/report/ReportColumns.h"

namespace vantir {

// One row of a report's data: named values as the datasets hold them (an invalid
// QVariant is NULL). Asking for a column the row does not have is an error, so that a
// misspelt column in a report shows up instead of printing blank.
class ReportRow {
  public:
    ReportRow();  // a row without columns
    ReportRow(std::shared_ptr<const ReportColumns> columns, QVariantList values);
    // A row of the given columns, every value NULL: what the bands of an empty report see.
    static ReportRow nulls(std::shared_ptr<const ReportColumns> columns);

    const ReportColumns& columns() const { return *columns_; }
    QVariant value(const QString& column) const;  // throws ReportError for an unknown column
    const QVariantList& values() const { return values_; }

  private:
    std::shared_ptr<const ReportColumns> columns_;
    QVariantList values_;
};

}  // namespace vantir
