#include "platform/report/PagePainter.h"

#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include "platform/report/PageModel.h"

namespace vantir {

namespace {
constexpr double kMmPerInch = 25.4;
}

PagePainter::PagePainter(QPainter& painter)
    : painter_(painter),
      dotsPerMmX_(painter.device()->logicalDpiX() / kMmPerInch),
      dotsPerMmY_(painter.device()->logicalDpiY() / kMmPerInch) {}

void PagePainter::paint(const Page& page) {
    const auto toDevice = [this](QPointF mm) {
        return QPointF(mm.x() * dotsPerMmX_, mm.y() * dotsPerMmY_);
    };
    const auto pen = [this](double widthMm) {
        QPen pen(Qt::black);
        pen.setWidthF(widthMm * dotsPerMmX_);
        return pen;
    };
    painter_.save();
    painter_.setBrush(Qt::NoBrush);
    for (const PageLine& line : page.lines) {
        painter_.setPen(pen(line.width));
        painter_.drawLine(QLineF(toDevice(line.line.p1()), toDevice(line.line.p2())));
    }
    for (const PageBox& box : page.boxes) {
        painter_.setPen(pen(box.width));
        painter_.drawRect(QRectF(toDevice(box.rect.topLeft()), toDevice(box.rect.bottomRight())));
    }
    painter_.setPen(Qt::black);
    for (const PageText& text : page.texts) {
        painter_.setFont(text.font.toQFont());
        // Texts are not clipped: a figure wider than its field still prints whole.
        painter_.drawText(QRectF(toDevice(text.rect.topLeft()), toDevice(text.rect.bottomRight())),
                          int(text.alignment | Qt::AlignVCenter | Qt::TextSingleLine), text.text);
    }
    painter_.restore();
}

}  // namespace vantir
