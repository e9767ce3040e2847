#include "platform/report/DatasetCursor.h"

#include "platform/dataset/Dataset.h"
#include "platform/report/ReportError.h"

namespace vantir {

namespace {

std::shared_ptr<const ReportColumns> columnsOf(const Dataset& dataset) {
    if (!dataset.isOpen())
        throw ReportError(QStringLiteral("The report's dataset is not open: ") + dataset.name());
    QStringList names;
    for (const ColumnInfo& field : dataset.fields()) names.append(field.name);
    return std::make_shared<ReportColumns>(names);
}

}  // namespace

DatasetCursor::DatasetCursor(const Dataset& dataset)
    : dataset_(dataset), columns_(columnsOf(dataset)) {}

std::optional<ReportRow> DatasetCursor::next() {
    if (row_ >= dataset_.recordCount()) return std::nullopt;
    QVariantList values;
    values.reserve(columns_->count());
    for (int field = 0; field < columns_->count(); ++field)
        values.append(dataset_.valueAt(row_, field));
    ++row_;
    return ReportRow(columns_, std::move(values));
}

}  // namespace vantir
