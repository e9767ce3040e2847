#include "platform/report/RowListCursor.h"

namespace vantir {

RowListCursor::RowListCursor(const QStringList& columns)
    : columns_(std::make_shared<ReportColumns>(columns)) {}

RowListCursor& RowListCursor::addRow(const QVariantList& values) {
    rows_.append(ReportRow(columns_, values));
    return *this;
}

std::optional<ReportRow> RowListCursor::next() {
    if (position_ >= rows_.size()) return std::nullopt;
    return rows_[position_++];
}

}  // namespace vantir
