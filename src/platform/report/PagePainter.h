#pragma once

class QPainter;

namespace vantir {

struct Page;

// Draws one page of a page model with a painter on any device (the preview, a printer,
// a PDF writer, an image), converting millimetres at the device's resolution. The
// device's origin is taken as the paper's top left corner.
class PagePainter {
  public:
    explicit PagePainter(QPainter& painter);
    void paint(const Page& page);

  private:
    QPainter& painter_;
    double dotsPerMmX_;
    double dotsPerMmY_;
};

}  // namespace vantir
