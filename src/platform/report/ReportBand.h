#pragma once

#include <QList>

#include "platform/report/ReportAggregate.h"
#include "platform/report/ReportElement.h"

namespace vantir {

// A horizontal strip of a report printed as a whole: its height in millimetres, the
// elements on it, the sums and counts it holds, and how it meets the page.
class ReportBand {
  public:
    explicit ReportBand(double height);

    ReportBand& add(ReportElement element);

    // A sum of a column or of an expression over the rows, and a count of rows, shown
    // by ReportElement::aggregate(name) or read by expressions through the context.
    // Names are unique within a report.
    ReportBand& addSum(const QString& name, const QString& column,
                       AggregateReset reset = AggregateReset::AfterBand);
    ReportBand& addSum(const QString& name, ReportExpression value,
                       AggregateReset reset = AggregateReset::AfterBand);
    ReportBand& addCount(const QString& name, AggregateReset reset = AggregateReset::AfterBand);

    // The band begins a new page unless nothing but the page's headings is on it yet.
    ReportBand& setForceNewPage(bool on = true);
    // Page header and page footer: whether the first page has them.
    ReportBand& setPrintOnFirstPage(bool on);
    // Summary: printed at the foot of the page (just above the page footer).
    ReportBand& setAtPageFoot(bool on = true);
    // Detail: rows side by side, `columns` across each of `columnWidth` mm (receipts and
    // labels), filled across then down.
    ReportBand& setColumns(int columns, double columnWidth);

    double height() const { return height_; }
    const QList<ReportElement>& elements() const { return elements_; }
    const QList<ReportAggregate>& aggregates() const { return aggregates_; }
    bool forceNewPage() const { return forceNewPage_; }
    bool printOnFirstPage() const { return printOnFirstPage_; }
    bool atPageFoot() const { return atPageFoot_; }
    int columns() const { return columns_; }
    double columnWidth() const { return columnWidth_; }

  private:
    double height_;
    QList<ReportElement> elements_;
    QList<ReportAggregate> aggregates_;
    bool forceNewPage_ = false;
    bool printOnFirstPage_ = true;
    bool atPageFoot_ = false;
    int columns_ = 1;
    double columnWidth_ = 0.0;
};

}  // namespace vantir
