#include "platform/report/ReportColumnTable.h"

#include "platform/report/ReportBand.h"

namespace vantir {

ReportColumnTable::ReportColumnTable(double across) : across_(across) {}

ReportColumnTable& ReportColumnTable::text(const QString& heading, const QString& column, double x,
                                           double width) {
    return add({heading, column, column, {}, x, width, false});
}

ReportColumnTable& ReportColumnTable::expression(const QString& heading, ReportExpression value,
                                                 double x, double width) {
    return add({heading, {}, {}, std::move(value), x, width, false});
}

ReportColumnTable& ReportColumnTable::amount(const QString& heading, const QString& column,
                                             double x, double width) {
    return add({heading, column, column, {}, x, width, true});
}

ReportColumnTable& ReportColumnTable::amount(const QString& heading, const QString& name,
                                             ReportExpression value, double x, double width) {
    return add({heading, {}, name, std::move(value), x, width, true});
}

ReportColumnTable& ReportColumnTable::add(Column column) {
    column.x *= across_;
    column.width *= across_;
    columns_.append(std::move(column));
    return *this;
}

void ReportColumnTable::addHeadings(ReportBand& band, double y, double height) const {
    for (const Column& c : columns_)
        band.add(ReportElement::text(c.heading, c.x, y, c.width, height).align(Qt::AlignHCenter));
}

void ReportColumnTable::addCells(ReportBand& band, double y, double height) const {
    for (const Column& c : columns_) {
        ReportElement cell = c.column.isEmpty()
                                 ? ReportElement::expression(c.value, c.x, y, c.width, height)
                                 : ReportElement::column(c.column, c.x, y, c.width, height);
        band.add(c.amount ? cell.amount() : cell);
    }
}

void ReportColumnTable::addTotals(ReportBand& band, const QString& prefix, AggregateReset reset,
                                  double y, double height) const {
    for (const Column& c : columns_) {
        if (!c.amount) continue;
        const QString name = prefix + c.name;
        if (c.column.isEmpty()) {
            band.addSum(name, c.value, reset);
        } else {
            band.addSum(name, c.column, reset);
        }
        band.add(ReportElement::aggregate(name, c.x, y, c.width, height).amount());
    }
}

}  // namespace vantir
