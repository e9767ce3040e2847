#pragma once

#include <QLineF>
#include <QRectF>
#include <QString>
#include <optional>

#include "platform/report/NumberMask.h"
#include "platform/report/ReportContext.h"
#include "platform/report/ReportFont.h"

namespace vantir {

// One thing printed in a band: a fixed text, a value (a column of the row, an expression
// over it, a sum or count), the page number, a line, a box, or a vertical rule from the
// band's top to its bottom. Positions and sizes are millimetres from the band's top left.
//
//   band.add(ReportElement::column("UKING", 120, 0, 25, 5).amount());
class ReportElement {
  public:
    enum class Kind { Text, Value, PageNumber, Line, Box, VerticalRule };

    static ReportElement text(const QString& text, double x, double y, double width, double height);
    static ReportElement column(const QString& column, double x, double y, double width,
                                double height);
    static ReportElement expression(ReportExpression expression, double x, double y, double width,
                                    double height);
    static ReportElement aggregate(const QString& name, double x, double y, double width,
                                   double height);
    // The date of printing, "yy/mm/dd", as the page headers show it.
    static ReportElement printDate(double x, double y, double width, double height);
    // "%1" is replaced by the page number and "%2" by the number of pages.
    static ReportElement pageNumber(double x, double y, double width, double height,
                                    const QString& pattern = QStringLiteral("%1"));
    static ReportElement line(double x1, double y1, double x2, double y2);
    static ReportElement box(double x, double y, double width, double height);
    static ReportElement verticalRule(double x);

    ReportElement& align(Qt::Alignment alignment);  // horizontal; texts are centred vertically
    ReportElement& mask(const QString& pattern);    // throws ReportError for an unknown mask
    // Yen as every printout writes it: the mask "#,##0", right-aligned in its box.
    ReportElement& amount();
    ReportElement& font(const ReportFont& font);
    ReportElement& pointSize(double points);
    ReportElement& bold(bool on = true);
    ReportElement& underline(bool on = true);
    ReportElement& lineWidth(double mm);

    Kind kind() const { return kind_; }
    bool isText() const { return kind_ <= Kind::PageNumber; }
    QRectF rect() const { return rect_; }    // for a line, its bounding box from x1,y1 to x2,y2
    QLineF lineIn(double bandHeight) const;  // a line or rule, in band coordinates
    const QString& columnName() const { return column_; }        // set for column elements
    const QString& aggregateName() const { return aggregate_; }  // set for aggregate elements
    Qt::Alignment alignment() const { return alignment_; }
    const ReportFont& reportFont() const { return font_; }
    double penWidth() const { return lineWidth_; }

    // The text the element prints in the context; a page number pattern keeps its "%2"
    // until the number of pages is known.
    QString textIn(const ReportContext& context) const;

  private:
    ReportElement(Kind kind, QRectF rect);

    Kind kind_;
    QRectF rect_;
    QString text_;  // fixed text or page number pattern
    QString column_;
    QString aggregate_;
    ReportExpression value_;
    std::optional<NumberMask> mask_;
    Qt::Alignment alignment_ = Qt::AlignLeft;
    ReportFont font_;
    double lineWidth_ = 0.2;
};

}  // namespace vantir
