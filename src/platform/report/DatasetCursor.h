#pragma once

#include "platform/report/ReportCursor.h"

namespace vantir {

class Dataset;

// The rows of an open dataset, in its order under its filter, looked-up fields
// included. Reading them does not move the dataset's current record, so a screen
// bound to the same view keeps its place while its report prints.
class DatasetCursor : public ReportCursor {
  public:
    explicit DatasetCursor(const Dataset& dataset);  // throws ReportError when it is closed

    std::shared_ptr<const ReportColumns> columns() const override { return columns_; }
    std::optional<ReportRow> next() override;

  private:
    const Dataset& dataset_;
    std::shared_ptr<const ReportColumns> columns_;
    int row_ = 0;
};

}  // namespace vantir
