#include "platform/report/PrintedCharacters.h"

#include <QList>
#include <QRawFont>

namespace vantir {

namespace {

constexpr char32_t kFirstSurrogate = 0xD800;
constexpr char32_t kLastSurrogate = 0xDFFF;
constexpr char32_t kBmpEnd = 0x10000;

}  // namespace

// The reverse mapping of the writer reads the Basic Multilingual Plane from the lowest
// code point up and keeps the first code point found for each glyph; so does this.
PrintedCharacters::Face& PrintedCharacters::faceOf(const QRawFont& font) {
    const QString key = font.familyName() + QLatin1Char('/') + font.styleName();
    auto it = faces_.find(key);
    if (it != faces_.end()) return *it;
    QList<QChar> characters;
    QList<char32_t> codePoints;
    for (char32_t c = 1; c < kBmpEnd; ++c) {
        if (c >= kFirstSurrogate && c <= kLastSurrogate) continue;
        characters.append(QChar(char16_t(c)));
        codePoints.append(c);
    }
    QList<quint32> glyphs(characters.size());
    int count = int(glyphs.size());
    Face face;
    if (font.glyphIndexesForChars(characters.constData(), int(characters.size()), glyphs.data(),
                                  &count)) {
        for (int i = 0; i < count; ++i)
            if (glyphs[i] != 0 && !face.lowest.contains(glyphs[i]))
                face.lowest.insert(glyphs[i], codePoints[i]);
    }
    return *faces_.insert(key, std::move(face));
}

void PrintedCharacters::record(const QRawFont& font, const QString& text) {
    Face* face = nullptr;
    for (const char32_t c : text.toUcs4()) {
        if (!face) face = &faceOf(font);
        if (face->seen.contains(c)) continue;
        face->seen.insert(c, true);
        const QList<quint32> glyph = font.glyphIndexesForString(QString::fromUcs4(&c, 1));
        if (glyph.isEmpty() || glyph.first() == 0) continue;
        const char32_t lowest = face->lowest.value(glyph.first(), c);
        // The first character printed with a shared glyph is the one a reader gets.
        if (lowest != c && !corrections_.contains(lowest)) corrections_.insert(lowest, c);
    }
}

}  // namespace vantir
