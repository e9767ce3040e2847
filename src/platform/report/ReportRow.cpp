#include "platform/report/ReportRow.h"

#include "platform/report/ReportError.h"

namespace vantir {

ReportRow::ReportRow() : columns_(std::make_shared<ReportColumns>(QStringList{})) {}

ReportRow::ReportRow(std::shared_ptr<const ReportColumns> columns, QVariantList values)
    : columns_(std::move(columns)), values_(std::move(values)) {
    if (values_.size() != columns_->count())
        throw ReportError(QStringLiteral("Report row has %1 values for %2 columns")
                              .arg(values_.size())
                              .arg(columns_->count()));
}

ReportRow ReportRow::nulls(std::shared_ptr<const ReportColumns> columns) {
    QVariantList values;
    values.resize(columns->count());
    return ReportRow(std::move(columns), std::move(values));
}

QVariant ReportRow::value(const QString& column) const {
    const int index = columns_->indexOf(column);
    if (index < 0) throw ReportError(QStringLiteral("Unknown report column: ") + column);
    return values_[index];
}

}  // namespace vantir
