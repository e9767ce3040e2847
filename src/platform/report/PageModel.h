#pragma once

#include <QLineF>
#include <QList>
#include <QRectF>
#include <QString>
#include <QStringList>

#include "platform/report/PageSetup.h"
#include "platform/report/ReportFont.h"

namespace vantir {

// What a laid-out report prints: pages of texts, lines and boxes placed in millimetres
// from the top left corner of the page. The preview, the printer and PDF files draw
// it; tests read it.
struct PageText {
    QRectF rect;
    QString text;
    ReportFont font;
    Qt::Alignment alignment = Qt::AlignLeft;  // horizontal; vertically centred in rect
};

struct PageLine {
    QLineF line;
    double width = 0.2;
};

struct PageBox {
    QRectF rect;
    double width = 0.2;
};

struct Page {
    QList<PageText> texts;
    QList<PageLine> lines;
    QList<PageBox> boxes;

    QStringList textValues() const {
        QStringList values;
        for (const PageText& text : texts) values.append(text.text);
        return values;
    }
};

struct PageModel {
    QString title;
    PageSetup pageSetup;
    QList<Page> pages;
};

}  // namespace vantir
