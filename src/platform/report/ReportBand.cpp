#include "platform/report/ReportBand.h"

#include "platform/report/ReportError.h"

namespace vantir {

ReportBand::ReportBand(double height) : height_(height) {}

ReportBand& ReportBand::add(ReportElement element) {
    elements_.append(std::move(element));
    return *this;
}

ReportBand& ReportBand::addSum(const QString& name, const QString& column, AggregateReset reset) {
    return addSum(name, columnValue(column), reset);
}

ReportBand& ReportBand::addSum(const QString& name, ReportExpression value, AggregateReset reset) {
    aggregates_.append({name, AggregateKind::Sum, std::move(value), reset});
    return *this;
}

ReportBand& ReportBand::addCount(const QString& name, AggregateReset reset) {
    aggregates_.append({name, AggregateKind::Count, {}, reset});
    return *this;
}

ReportBand& ReportBand::setForceNewPage(bool on) {
    forceNewPage_ = on;
    return *this;
}

ReportBand& ReportBand::setPrintOnFirstPage(bool on) {
    printOnFirstPage_ = on;
    return *this;
}

ReportBand& ReportBand::setAtPageFoot(bool on) {
    atPageFoot_ = on;
    return *this;
}

ReportBand& ReportBand::setColumns(int columns, double columnWidth) {
    if (columns < 1 || columnWidth <= 0)
        throw ReportError(QStringLiteral("A band needs at least one column of some width"));
    columns_ = columns;
    columnWidth_ = columnWidth;
    return *this;
}

}  // namespace vantir
