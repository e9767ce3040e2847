#pragma once

#include <QByteArray>
#include <QHash>

class QIODevice;

namespace vantir {

// Rewrites the ToUnicode maps of a PDF as QPdfWriter writes it (one cross-reference table,
// each map an uncompressed stream of its own), so that a reader copying or searching the
// text gets the characters printed: each code point the writer named for a printed glyph
// is replaced by the correction PrintedCharacters found for it. Everything else is copied
// as it stands, a block at a time; only the maps and the cross-reference table are held.
class PdfUnicodeMaps {
  public:
    // source: the PDF, readable and seekable; target: where the mended PDF goes.
    // Throws ReportError when source is no such PDF or target cannot be written.
    static void rewrite(QIODevice& source, QIODevice& target,
                        const QHash<char32_t, char32_t>& corrections);

    // The text of one ToUnicode map with the corrections applied, every mapping written as
    // a single character ("bfchar"). Throws ReportError for a map it cannot read.
    static QByteArray corrected(const QByteArray& map,
                                const QHash<char32_t, char32_t>& corrections);
};

}  // namespace vantir
