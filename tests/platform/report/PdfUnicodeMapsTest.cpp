#include <gtest/gtest.h>

#include <QBuffer>
#include <QFont>
#include <QRawFont>

#include "platform/report/PdfUnicodeMaps.h"
#include "platform/report/PrintedCharacters.h"
#include "platform/report/ReportError.h"
#include "platform/report/ReportFont.h"

namespace vantir::test {
namespace {

// The shape the PDF writer gives its maps: ranges with one start or a list of characters.
const QByteArray kWritersMap =
    "/CIDInit /ProcSet findresource begin\n12 dict begin\nbegincmap\n"
    "/CIDSystemInfo << /Registry (Adobe) /Ordering (UCS) /Supplement 0 >> def\n"
    "/CMapName /Adobe-Identity-UCS def\n/CMapType 2 def\n"
    "1 begincodespacerange\n<0000> <FFFF>\nendcodespacerange\n"
    "3 beginbfrange\n<0000> <0000> <0000>\n<0001> <0003> [<004E> <006F> <0009> ]\n"
    "<0004> <0005> <2F0A>\nendbfrange\n"
    "1 beginbfchar\n<0006> <2EC4>\nendbfchar\n"
    "endcmap\nCMapName currentdict /CMap defineresource pop\nend\nend\n";

TEST(PdfUnicodeMapsTest, EveryMappingIsWrittenAloneWithTheCharacterPrinted) {
    const QHash<char32_t, char32_t> corrections{{0x09, 0x20}, {0x2F0A, 0x5165}, {0x2EC4, 0x897F}};

    const QByteArray map = PdfUnicodeMaps::corrected(kWritersMap, corrections);

    EXPECT_TRUE(map.startsWith("/CIDInit /ProcSet findresource begin\n")) << map.constData();
    const qsizetype from = map.indexOf("endcodespacerange\n") + 18;
    // The missing glyph maps to nothing; the range with one start counts up from it.
    EXPECT_EQ(map.mid(from, map.indexOf("endcmap") - from),
              "6 beginbfchar\n<0001> <004E>\n<0002> <006F>\n<0003> <0020>\n<0004> <5165>\n"
              "<0005> <2F0B>\n<0006> <897F>\nendbfchar\n");
}

TEST(PdfUnicodeMapsTest, AMapOrAFileItCannotReadIsAnError) {
    const QByteArray broken = "1 beginbfrange\n<0005> <0001> <0041>\nendbfrange\n";
    EXPECT_THROW(PdfUnicodeMaps::corrected(broken, {}), ReportError);

    QByteArray text = "%PDF-1.4\nno cross-reference table here\n";
    QBuffer source(&text);
    source.open(QIODevice::ReadOnly);
    QByteArray written;
    QBuffer target(&written);
    target.open(QIODevice::WriteOnly);
    EXPECT_THROW(PdfUnicodeMaps::rewrite(source, target, {}), ReportError);
}

// The font shows 入 and 金 with the radicals' glyphs, 西 with ⻄'s, the space with the tab's and
// the full-width space with the em space's: the lowest code point of each glyph is what a
// reverse mapping finds first, and what the printed character must replace.
TEST(PrintedCharactersTest, SharedGlyphsAreMappedToTheCharacterPrinted) {
    const QRawFont font = QRawFont::fromFont(ReportFont::gothic(9).toQFont());
    ASSERT_TRUE(font.isValid());
    PrintedCharacters printed;

    printed.record(font, QStringLiteral("No 9 入金 西宮　ABC"));

    QStringList corrections;  // "lowest code point > character printed", in hex
    for (auto it = printed.corrections().begin(); it != printed.corrections().end(); ++it)
        corrections << QStringLiteral("%1>%2")
                           .arg(uint(it.key()), 4, 16, QLatin1Char('0'))
                           .arg(uint(it.value()), 4, 16, QLatin1Char('0'));
    corrections.sort();
    EXPECT_EQ(corrections,
              (QStringList{"0009>0020", "2003>3000", "2ec4>897f", "2f0a>5165", "2fa6>91d1"}));
}

}  // namespace
}  // namespace vantir::test
