#include "platform/report/ReportElement.h"

#include "platform/dates/DateText.h"
#include "platform/system/Clock.h"

namespace vantir {

namespace {

// A value without a mask prints as the database holds it; NULL prints nothing.
QString plainText(const QVariant& value) {
    if (value.isNull()) return {};
    if (value.typeId() == QMetaType::Double) return QString::number(value.toDouble(), 'g', 15);
    return value.toString();
}

}  // namespace

ReportElement::ReportElement(Kind kind, QRectF rect) : kind_(kind), rect_(rect) {}

ReportElement ReportElement::text(const QString& text, double x, double y, double width,
                                  double height) {
    ReportElement element(Kind::Text, QRectF(x, y, width, height));
    element.text_ = text;
    return element;
}

ReportElement ReportElement::column(const QString& column, double x, double y, double width,
                                    double height) {
    ReportElement element(Kind::Value, QRectF(x, y, width, height));
    element.column_ = column;
    element.value_ = columnValue(column);
    return element;
}

ReportElement ReportElement::expression(ReportExpression expression, double x, double y,
                                        double width, double height) {
    ReportElement element(Kind::Value, QRectF(x, y, width, height));
    element.value_ = std::move(expression);
    return element;
}

ReportElement ReportElement::aggregate(const QString& name, double x, double y, double width,
                                       double height) {
    ReportElement element(Kind::Value, QRectF(x, y, width, height));
    element.aggregate_ = name;
    element.value_ = [name](const ReportContext& context) { return context.aggregate(name); };
    return element;
}

ReportElement ReportElement::printDate(double x, double y, double width, double height) {
    return expression([](const ReportContext&) { return QVariant(formatYyMmDd(Clock::today())); },
                      x, y, width, height);
}

ReportElement ReportElement::pageNumber(double x, double y, double width, double height,
                                        const QString& pattern) {
    ReportElement element(Kind::PageNumber, QRectF(x, y, width, height));
    element.text_ = pattern;
    return element;
}

ReportElement ReportElement::line(double x1, double y1, double x2, double y2) {
    return ReportElement(Kind::Line, QRectF(QPointF(x1, y1), QPointF(x2, y2)));
}

ReportElement ReportElement::box(double x, double y, double width, double height) {
    return ReportElement(Kind::Box, QRectF(x, y, width, height));
}

ReportElement ReportElement::verticalRule(double x) {
    return ReportElement(Kind::VerticalRule, QRectF(x, 0, 0, 0));
}

ReportElement& ReportElement::align(Qt::Alignment alignment) {
    alignment_ = alignment & Qt::AlignHorizontal_Mask;
    return *this;
}

ReportElement& ReportElement::mask(const QString& pattern) {
    mask_.emplace(pattern);
    return *this;
}

ReportElement& ReportElement::amount() {
    return mask(QStringLiteral("#,##0")).align(Qt::AlignRight);
}

ReportElement& ReportElement::font(const ReportFont& font) {
    font_ = font;
    return *this;
}

ReportElement& ReportElement::pointSize(double points) {
    font_.pointSize = points;
    return *this;
}

ReportElement& ReportElement::bold(bool on) {
    font_.bold = on;
    return *this;
}

ReportElement& ReportElement::underline(bool on) {
    font_.underline = on;
    return *this;
}

ReportElement& ReportElement::lineWidth(double mm) {
    lineWidth_ = mm;
    return *this;
}

QLineF ReportElement::lineIn(double bandHeight) const {
    if (kind_ == Kind::VerticalRule) return QLineF(rect_.x(), 0, rect_.x(), bandHeight);
    return QLineF(rect_.topLeft(), rect_.bottomRight());
}

QString ReportElement::textIn(const ReportContext& context) const {
    switch (kind_) {
        case Kind::Text:
            return text_;
        case Kind::PageNumber: {
            QString text = text_;
            return text.replace(QLatin1String("%1"), QString::number(context.pageNumber()));
        }
        case Kind::Value: {
            const QVariant value = value_(context);
            return mask_ ? mask_->format(value) : plainText(value);
        }
        default:
            return {};
    }
}

}  // namespace vantir
