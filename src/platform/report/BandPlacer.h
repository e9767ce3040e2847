#pragma once

#include <QList>
#include <QPointF>

namespace vantir {

class ReportBand;
class ReportContext;
struct Page;

// Puts the elements of one band on a page, the band's top left corner at origin (mm),
// with the values its fields take in the context. Texts that come out empty are left
// off the page.
class BandPlacer {
  public:
    // Returns the positions in page.texts of page numbers that still wait for the
    // number of pages ("%2").
    static QList<int> place(const ReportBand& band, const ReportContext& context, QPointF origin,
                            Page& page);
};

}  // namespace vantir
