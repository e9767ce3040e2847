#pragma once

#include <QList>
#include <QString>

#include "platform/report/ReportAggregate.h"
#include "platform/report/ReportContext.h"

namespace vantir {

class ReportBand;

// The columns of a printed list, each written once: its heading, what its lines show,
// where it stands and how wide it is. The heading goes into the column-header band (or
// a group header), the cell into the detail band and the total of an amount column
// under it, so the three can never drift apart.
//
//   ReportColumnTable columns;
//   columns.text("日付", "DDAY", 0, 22).amount("金　　額", "UKING", 100, 30);
//   columns.addHeadings(report.setColumnHeader(6), 0, 6);
//   columns.addCells(report.setDetail(5), 0, 5);
//   columns.addTotals(report.setSummary(5), "TOTAL_", AggregateReset::AfterBand, 0, 5);
//
// Positions and widths are millimetres from the band's left, multiplied by `across`: a
// list drawn for the body of A4 spreads over the wider body of the continuous form.
class ReportColumnTable {
  public:
    explicit ReportColumnTable(double across = 1.0);

    // A column of the rows, printed as the database holds it.
    ReportColumnTable& text(const QString& heading, const QString& column, double x, double width);
    // Text computed from the row ("KCODE and KNAME" in one column).
    ReportColumnTable& expression(const QString& heading, ReportExpression value, double x,
                                  double width);
    // Yen: "#,##0", right-aligned; totalled by addTotals.
    ReportColumnTable& amount(const QString& heading, const QString& column, double x,
                              double width);
    // Yen computed from the row (a tax, a line's total), printed and totalled like an
    // amount column; its totals are held as prefix + name.
    ReportColumnTable& amount(const QString& heading, const QString& name, ReportExpression value,
                              double x, double width);

    // The headings, centred over their columns.
    void addHeadings(ReportBand& band, double y, double height) const;
    void addCells(ReportBand& band, double y, double height) const;
    // Under each amount column the sum of that column, held by the band as the aggregate
    // prefix + column name ("TOTAL_UKING"), or prefix + name for a computed amount.
    void addTotals(ReportBand& band, const QString& prefix, AggregateReset reset, double y,
                   double height) const;

  private:
    struct Column {
        QString heading;
        QString column;  // empty for an expression
        QString name;    // what a computed amount's totals are called
        ReportExpression value;
        double x;
        double width;
        bool amount;
    };

    ReportColumnTable& add(Column column);

    double across_;
    QList<Column> columns_;
};

}  // namespace vantir
