#include "platform/report/DocumentPainter.h"

#include <QPagedPaintDevice>
#include <QPainter>

#include "platform/report/PageModel.h"
#include "platform/report/PagePainter.h"

namespace vantir {

bool DocumentPainter::paint(const PageModel& model, QPagedPaintDevice& device,
                            PrintedCharacters* printed) {
    device.setPageLayout(model.pageSetup.pageLayout());
    QPainter painter;
    if (!painter.begin(&device)) return false;
    PagePainter pagePainter(painter, printed);
    for (int i = 0; i < model.pages.size(); ++i) {
        if (i > 0 && !device.newPage()) return false;
        pagePainter.paint(model.pages[i]);
    }
    return painter.end();
}

}  // namespace vantir
