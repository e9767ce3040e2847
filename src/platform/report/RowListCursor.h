#pragma once

#include <QList>

#include "platform/report/ReportCursor.h"

namespace vantir {

// Rows held in memory: for reports whose rows are computed in code, and for tests.
class RowListCursor : public ReportCursor {
  public:
    explicit RowListCursor(const QStringList& columns);

    // Appends a row; values in column order (an invalid QVariant is NULL).
    RowListCursor& addRow(const QVariantList& values);

    std::shared_ptr<const ReportColumns> columns() const override { return columns_; }
    std::optional<ReportRow> next() override;

  private:
    std::shared_ptr<const ReportColumns> columns_;
    QList<ReportRow> rows_;
    int position_ = 0;
};

}  // namespace vantir
