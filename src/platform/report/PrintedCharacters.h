#pragma once

#include <QHash>
#include <QString>

class QRawFont;

namespace vantir {

// The characters a document printed, for the PDF's ToUnicode maps. The PDF writer maps
// each printed glyph back to the lowest code point of the font's character map that
// shows that glyph, and a font may share one glyph between several code points: 入 with
// the radical ⼊, 西 with ⻄, the space with the tab, "　" with the em space. A reader
// copying the text then gets the wrong character. This keeps, per face, which character
// was printed for each such shared glyph, so the maps can name the character printed.
class PrintedCharacters {
  public:
    // A text printed in the font, one glyph per character by the font's character map.
    void record(const QRawFont& font, const QString& text);

    // For each code point the writer's reverse mapping gives for a printed glyph, the
    // character printed with that glyph where the two differ.
    const QHash<char32_t, char32_t>& corrections() const { return corrections_; }

  private:
    struct Face {
        QHash<quint32, char32_t> lowest;  // glyph -> lowest code point of the BMP showing it
        QHash<char32_t, bool> seen;       // characters already recorded
    };

    Face& faceOf(const QRawFont& font);

    QHash<QString, Face> faces_;
    QHash<char32_t, char32_t> corrections_;
};

}  // namespace vantir
