#pragma once

class QPagedPaintDevice;

namespace vantir {

struct PageModel;
class PrintedCharacters;

// Draws every page of a page model on a paged device, a printer or a PDF writer, after
// giving the device the report's paper. Returns false when the device cannot be
// painted on (a printer that fails, a file that cannot be opened). The characters
// printed go to `printed` when one is given (for a PDF's ToUnicode maps).
class DocumentPainter {
  public:
    static bool paint(const PageModel& model, QPagedPaintDevice& device,
                      PrintedCharacters* printed = nullptr);
};

}  // namespace vantir
