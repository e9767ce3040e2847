#pragma once

#include <QFont>
#include <QString>

namespace vantir {

// The type of a printed text. The families are the Japanese gothic and mincho faces
// that every machine of the program has (fonts-noto-cjk); PDF files embed them, so a
// document reads the same wherever it is opened.
struct ReportFont {
    static QString gothicFamily() { return QStringLiteral("Noto Sans CJK JP"); }
    static QString minchoFamily() { return QStringLiteral("Noto Serif CJK JP"); }
    static ReportFont gothic(double pointSize) { return {gothicFamily(), pointSize}; }
    static ReportFont mincho(double pointSize) { return {minchoFamily(), pointSize}; }

    QString family = gothicFamily();
    double pointSize = 9.0;
    bool bold = false;
    bool underline = false;

    QFont toQFont() const {
        QFont font(family);
        font.setPointSizeF(pointSize);
        font.setBold(bold);
        font.setUnderline(underline);
        return font;
    }
    bool operator==(const ReportFont&) const = default;
};

}  // namespace vantir
