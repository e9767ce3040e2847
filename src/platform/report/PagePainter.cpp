#include "platform/report/PagePainter.h"

#include <QGlyphRun>
#include <QPaintDevice>
#include <QPainter>
#include <QPen>

#include "platform/report/PageModel.h"
#include "platform/report/PrintedCharacters.h"

namespace vantir {

namespace {
constexpr double kMmPerInch = 25.4;
}

PagePainter::PagePainter(QPainter& painter, PrintedCharacters* printed)
    : painter_(painter),
      printed_(printed),
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
    for (const PageText& text : page.texts) drawText(text);
    painter_.restore();
}

const QRawFont& PagePainter::rawFont(const ReportFont& font) {
    const QString key =
        QStringLiteral("%1/%2/%3").arg(font.family).arg(font.pointSize).arg(font.bold);
    auto it = fonts_.find(key);
    if (it == fonts_.end())
        it = fonts_.insert(key, QRawFont::fromFont(QFont(font.toQFont(), painter_.device())));
    return *it;
}

// On one line, centred vertically in its box and aligned across as the text asks. Texts
// are not clipped: a figure wider than its field still prints whole.
void PagePainter::drawText(const PageText& text) {
    if (text.text.isEmpty()) return;
    const QRawFont& font = rawFont(text.font);
    const QList<quint32> glyphs = font.glyphIndexesForString(text.text);
    const QList<QPointF> advances = font.advancesForGlyphIndexes(glyphs);
    QList<QPointF> positions;
    positions.reserve(glyphs.size());
    QPointF pen;
    for (const QPointF& advance : advances) {
        positions.append(pen);
        pen += advance;
    }
    const QRectF box(text.rect.left() * dotsPerMmX_, text.rect.top() * dotsPerMmY_,
                     text.rect.width() * dotsPerMmX_, text.rect.height() * dotsPerMmY_);
    double x = box.left();
    if (text.alignment & Qt::AlignHCenter)
        x += (box.width() - pen.x()) / 2;
    else if (text.alignment & Qt::AlignRight)
        x += box.width() - pen.x();
    const double baseline =
        box.top() + (box.height() - font.ascent() - font.descent()) / 2 + font.ascent();
    QGlyphRun run;
    run.setRawFont(font);
    run.setGlyphIndexes(glyphs);
    run.setPositions(positions);
    run.setUnderline(text.font.underline);
    painter_.drawGlyphRun(QPointF(x, baseline), run);
    if (printed_) printed_->record(font, text.text);
}

}  // namespace vantir
