#include <gtest/gtest.h>

#include "platform/text/Cp932.h"

namespace vantir::test {
namespace {

struct WidthCase {
    const char* text;  // UTF-8
    int bytes;
};

void PrintTo(const WidthCase& c, std::ostream* os) { *os << (*c.text ? c.text : "(empty)"); }

class Cp932Width : public ::testing::TestWithParam<WidthCase> {};

// Widths as the tables count them, each agreeing with what is actually written.
TEST_P(Cp932Width, CountsAndAgreesWithEncoding) {
    const QString text = QString::fromUtf8(GetParam().text);
    EXPECT_EQ(cp932::byteLength(text), GetParam().bytes);
    EXPECT_EQ(cp932::encode(text).size(), GetParam().bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Texts, Cp932Width,
    ::testing::Values(WidthCase{"", 0}, WidthCase{"KCODE 001", 9}, WidthCase{"ｱｲｳ", 3},
                      WidthCase{"ｶﾞ", 2}, WidthCase{"日本運送", 8}, WidthCase{"運送ABC", 7},
                      WidthCase{"①Ⅱ髙～", 8},  // NEC and IBM extensions, wave dash
                      WidthCase{"¥", 1},       // written as the single byte 0x5C
                      WidthCase{"€", 1},       // lacking: written as '?'
                      WidthCase{"😀", 1}));     // beyond the BMP: one '?' for the pair

// The width table is built once from the converter; every character must agree with it,
// or a bound field would accept text that overflows its column.
TEST(Cp932, ByteLengthAgreesWithEncodingForEveryCharacter) {
    for (char32_t code = 1; code < 0x10000; ++code) {
        if (code >= 0xD800 && code <= 0xDFFF) continue;
        const QString text = QString::fromUcs4(&code, 1);
        ASSERT_EQ(cp932::byteLength(text), cp932::encode(text).size())
            << "U+" << std::hex << static_cast<unsigned>(code);
    }
}

TEST(Cp932, EncodesWindowsCodePoints) {
    struct Case {
        const char* text;
        QByteArray bytes;
    };
    const Case cases[] = {
        {"あ", "\x82\xA0"},
        {"ｱ", "\xB1"},
        {"髙", "\xFB\xFC"},
        {"～", "\x81\x60"},
        {"－", "\x81\x7C"},
        {"O'Hara", "O'Hara"},
        {"運€送", "\x89\x5E?\x91\x97"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cp932::encode(QString::fromUtf8(c.text)), c.bytes) << c.text;
    }
}

TEST(Cp932, DecodesWhatItEncodes) {
    const QString text = QString::fromUtf8("株式会社ﾔﾏﾄ運輸 髙橋①～－ No.12");
    EXPECT_EQ(cp932::decode(cp932::encode(text)), text);
}

// A stray byte reads as the replacement character; the text after it is still read.
TEST(Cp932, DecodesBrokenBytesWithoutLosingTheRest) {
    EXPECT_EQ(cp932::decode(QByteArray("\x82\xA0\x81\x20\x82\xA2", 6)),
              QString::fromUtf8("あ\uFFFD い"));
    EXPECT_EQ(cp932::decode(QByteArray("AB\x82", 3)), QString::fromUtf8("AB\uFFFD"));
}

TEST(Cp932, CanEncode) {
    struct Case {
        QString text;
        bool encodable;
    };
    const Case cases[] = {
        {QString::fromUtf8("ABC ｶﾅ 漢字 ①～"), true},
        {QString::fromUtf8("運送€"), false},
        {QString::fromUtf8("café"), false},
        {QString::fromUtf8("😀"), false},
        {QString(QChar(0xD800)), false},  // a lone surrogate
    };
    for (const Case& c : cases)
        EXPECT_EQ(cp932::canEncode(c.text), c.encodable) << c.text.toStdString();
}

TEST(Cp932, TruncatesWithoutSplittingADoubleByteCharacter) {
    struct Case {
        const char* text;
        int maxBytes;
        const char* expected;
    };
    const Case cases[] = {
        {"ABCDE", 3, "ABC"},   {"日本語", 3, "日"}, {"日本語", 4, "日本"}, {"AB日本", 3, "AB"},
        {"ｱｲ日本", 4, "ｱｲ日"}, {"日本", 0, ""},     {"日本", -1, ""},      {"運送", 10, "運送"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cp932::truncate(QString::fromUtf8(c.text), c.maxBytes),
                  QString::fromUtf8(c.expected))
            << c.text << " to " << c.maxBytes;
    }
}

}  // namespace
}  // namespace vantir::test
