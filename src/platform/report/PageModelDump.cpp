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

void dumpPageModel(const PageModel& model, const std::function<void(const QString& line)>& line) {
    const PageSetup& setup = model.pageSetup;
    const PageMargins& m = setup.margins();
    line(QStringLiteral("paper %1 %2 margins top %3 bottom %4 left %5 right %6")
             .arg(size(setup.pageSize()),
                  setup.orientation() == PageOrientation::Landscape ? QStringLiteral("landscape")
                                                                    : QStringLiteral("portrait"),
                  mm(m.top), mm(m.bottom), mm(m.left), mm(m.right)));
    for (int i = 0; i < model.pages.size(); ++i) {
        const Page& page = model.pages[i];
        line(QStringLiteral("page %1").arg(i + 1));
        for (const PageText& text : page.texts) {
            QStringList parts{QStringLiteral("text"), point(text.rect.topLeft()),
                              size(text.rect.size()), alignment(text.alignment)};
            const QString f = font(text.font);
            if (!f.isEmpty()) parts << f;
            parts << QLatin1Char('"') + text.text + QLatin1Char('"');
            line(parts.join(QLatin1Char(' ')));
        }
        for (const PageLine& rule : page.lines)
            line(QStringLiteral("line %1 %2 %3")
                     .arg(point(rule.line.p1()), point(rule.line.p2()), mm(rule.width)));
        for (const PageBox& box : page.boxes)
            line(QStringLiteral("box %1 %2 %3")
                     .arg(point(box.rect.topLeft()), size(box.rect.size()), mm(box.width)));
    }
}

QString dumpPageModel(const PageModel& model) {
    QString text;
    dumpPageModel(model, [&text](const QString& line) { text += line + QLatin1Char('\n'); });
    return text;
}

}  // namespace vantir
