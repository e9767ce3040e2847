#include "platform/report/BandPlacer.h"

#include "platform/report/PageModel.h"
#include "platform/report/ReportBand.h"

namespace vantir {

QList<int> BandPlacer::place(const ReportBand& band, const ReportContext& context, QPointF origin,
                             Page& page) {
    QList<int> waitingForPageCount;
    for (const ReportElement& element : band.elements()) {
        switch (element.kind()) {
            case ReportElement::Kind::Line:
            case ReportElement::Kind::VerticalRule:
                page.lines.append(
                    {element.lineIn(band.height()).translated(origin), element.penWidth()});
                break;
            case ReportElement::Kind::Box:
                page.boxes.append({element.rect().translated(origin), element.penWidth()});
                break;
            default: {
                const QString text = element.textIn(context);
                if (text.isEmpty()) break;
                if (element.kind() == ReportElement::Kind::PageNumber &&
                    text.contains(QLatin1String("%2")))
                    waitingForPageCount.append(page.texts.size());
                page.texts.append({element.rect().translated(origin), text, element.reportFont(),
                                   element.alignment()});
            }
        }
    }
    return waitingForPageCount;
}

}  // namespace vantir
