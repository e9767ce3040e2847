#pragma once

#include <memory>
#include <optional>

#include "platform/report/ReportRow.h"

namespace vantir {

// Where a report's rows come from, read once from first to last. A dataset, a list of
// rows built in code, or anything else that can hand out named values.
class ReportCursor {
  public:
    virtual ~ReportCursor() = default;
    virtual std::shared_ptr<const ReportColumns> columns() const = 0;
    virtual std::optional<ReportRow> next() = 0;  // nullopt after the last row
};

}  // namespace vantir
