#pragma once

#include <QPageLayout>
#include <QRectF>
#include <QSizeF>
#include <QString>

namespace vantir {

enum class PageOrientation { Portrait, Landscape };

// Margins in millimetres from the paper's edges, written by name as the layouts give them:
//   PageSetup::continuousForm({.top = 10, .bottom = 10, .left = 15, .right = 9})
struct PageMargins {
    double top = 10.0;
    double bottom = 10.0;
    double left = 10.0;
    double right = 10.0;

    static PageMargins all(double mm) { return {mm, mm, mm, mm}; }
    bool operator==(const PageMargins&) const = default;
};

// The paper a report prints on and the margins it keeps, in millimetres. The reports use
// A4 either way round and the continuous form of the dot-matrix printers, 240 mm wide
// and 279.4 mm (11 inches) long.
class PageSetup {
  public:
    static PageSetup a4(PageOrientation orientation, PageMargins margins);
    static PageSetup continuousForm(PageMargins margins);

    PageSetup(QSizeF paperSize, PageOrientation orientation, PageMargins margins);

    QSizeF paperSize() const { return paperSize_; }  // as the paper is cut, portrait
    // The continuous form's twin of a layout spreads or leaves out what A4 shows.
    bool isContinuousForm() const;
    PageOrientation orientation() const { return orientation_; }
    const PageMargins& margins() const { return margins_; }
    QSizeF pageSize() const;  // as printed: landscape swaps width and height
    QRectF bodyRect() const;  // the part inside the margins

    // The page layout a printer or PDF writer is given: the whole paper, no margins of
    // its own, since every position of the page model counts from the paper's corner.
    QPageLayout pageLayout() const;

  private:
    QSizeF paperSize_;
    PageOrientation orientation_;
    PageMargins margins_;
};

}  // namespace vantir
