#pragma once

#include <QHash>
#include <QRawFont>
#include <QString>

class QPainter;

namespace vantir {

struct Page;
struct PageText;
struct ReportFont;
class PrintedCharacters;

// Draws one page of a page model with a painter on any device (the preview, a printer,
// a PDF writer, an image), converting millimetres at the device's resolution. The
// device's origin is taken as the paper's top left corner.
//
// Texts are drawn glyph by glyph as the font's character map gives them, one glyph per
// character, without the contextual forms a shaper would pick: a PDF then holds only
// glyphs that map back to the characters printed (a digit after a letter included), and
// the characters go to `printed` when one is given.
class PagePainter {
  public:
    explicit PagePainter(QPainter& painter, PrintedCharacters* printed = nullptr);
    void paint(const Page& page);

  private:
    const QRawFont& rawFont(const ReportFont& font);
    void drawText(const PageText& text);

    QPainter& painter_;
    PrintedCharacters* printed_;
    double dotsPerMmX_;
    double dotsPerMmY_;
    QHash<QString, QRawFont> fonts_;  // by family, size and style, at the device's resolution
};

}  // namespace vantir
