#include "platform/report/PageModelDump.h"

#include <QStringList>

#include "platform/report/PageModel.h"

namespace vantir {

namespace {

QString mm(double value) {
    QString text = QString::number(value, 'f', 2);
    while (text.endsWith(QLatin1Char('0'))) text.chop(1);
    if (text.endsWith(QLatin1Char('.'))) text.chop(1);
    return text == QLatin1String("-0") ? QStringLiteral("0") : text;
}

QString point(QPointF p) { return mm(p.x()) + QLatin1Char(',') + mm(p.y()); }

QString size(QSizeF s) { return mm(s.width()) + QLatin1Char('x') + mm(s.height()); }

QString alignment(Qt::Alignment a) {
    if (a & Qt::AlignHCenter) return QStringLiteral("center");
    if (a & Qt::AlignRight) return QStringLiteral("right");
    return QStringLiteral("left");
}

QString font(const ReportFont& f) {
    QStringList parts;
    if (f.family == ReportFont::minchoFamily())
        parts << QStringLiteral("mincho");
    else if (f.family != ReportFont::gothicFamily())
        parts << QLatin1Char('[') + f.family + QLatin1Char(']');
    if (f.bold) parts << QStringLiteral("bold");
    if (f.underline) parts << QStringLiteral("underline");
    if (f.pointSize != ReportFont().pointSize) parts << mm(f.pointSize);
    return parts.join(QLatin1Char(' '));
}

}  // namespace

QString dumpPageModel(const PageModel& model) {
    const PageSetup& setup = model.pageSetup;
    const PageMargins& m = setup.margins();
    QStringList lines;
    lines << QStringLiteral("paper %1 %2 margins top %3 bottom %4 left %5 right %6")
                 .arg(size(setup.pageSize()),
                      setup.orientation() == PageOrientation::Landscape
                          ? QStringLiteral("landscape")
                          : QStringLiteral("portrait"),
                      mm(m.top), mm(m.bottom), mm(m.left), mm(m.right));
    for (int i = 0; i < model.pages.size(); ++i) {
        const Page& page = model.pages[i];
        lines << QStringLiteral("page %1").arg(i + 1);
        for (const PageText& text : page.texts) {
            QStringList parts{QStringLiteral("text"), point(text.rect.topLeft()),
                              size(text.rect.size()), alignment(text.alignment)};
            const QString f = font(text.font);
            if (!f.isEmpty()) parts << f;
            parts << QLatin1Char('"') + text.text + QLatin1Char('"');
            lines << parts.join(QLatin1Char(' '));
        }
        for (const PageLine& line : page.lines)
            lines << QStringLiteral("line %1 %2 %3")
                         .arg(point(line.line.p1()), point(line.line.p2()), mm(line.width));
        for (const PageBox& box : page.boxes)
            lines << QStringLiteral("box %1 %2 %3")
                         .arg(point(box.rect.topLeft()), size(box.rect.size()), mm(box.width));
    }
    return lines.join(QLatin1Char('\n')) + QLatin1Char('\n');
}

}  // namespace vantir
