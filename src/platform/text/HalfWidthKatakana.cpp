#include "platform/text/HalfWidthKatakana.h"

#include <iterator>
#include <string_view>

namespace vantir {

namespace {

constexpr char16_t kFirstKatakana = u'ァ';  // U+30A1
constexpr char16_t kLastKatakana = u'ヺ';   // U+30FA
constexpr char16_t kFirstHiragana = u'ぁ';  // U+3041
constexpr char16_t kLastHiragana = u'ゖ';   // U+3096
constexpr char16_t kHiraganaToKatakana = u'ァ' - u'ぁ';

// Half-width forms of U+30A1 "ァ" to U+30FA "ヺ" in code order; empty where there is none.
constexpr std::u16string_view kHalfWidthKatakana[] = {
    u"ｧ", u"ｱ",  u"ｨ",  u"ｲ",  u"ｩ",  u"ｳ",  u"ｪ",  u"ｴ",  u"ｫ",  u"ｵ",          // ァ - オ
    u"ｶ", u"ｶﾞ", u"ｷ",  u"ｷﾞ", u"ｸ",  u"ｸﾞ", u"ｹ",  u"ｹﾞ", u"ｺ",  u"ｺﾞ",         // カ - ゴ
    u"ｻ", u"ｻﾞ", u"ｼ",  u"ｼﾞ", u"ｽ",  u"ｽﾞ", u"ｾ",  u"ｾﾞ", u"ｿ",  u"ｿﾞ",         // サ - ゾ
    u"ﾀ", u"ﾀﾞ", u"ﾁ",  u"ﾁﾞ", u"ｯ",  u"ﾂ",  u"ﾂﾞ", u"ﾃ",  u"ﾃﾞ", u"ﾄ",  u"ﾄﾞ",  // タ - ド
    u"ﾅ", u"ﾆ",  u"ﾇ",  u"ﾈ",  u"ﾉ",                                             // ナ - ノ
    u"ﾊ", u"ﾊﾞ", u"ﾊﾟ", u"ﾋ",  u"ﾋﾞ", u"ﾋﾟ", u"ﾌ",  u"ﾌﾞ", u"ﾌﾟ",                // ハ - プ
    u"ﾍ", u"ﾍﾞ", u"ﾍﾟ", u"ﾎ",  u"ﾎﾞ", u"ﾎﾟ",                                     // ヘ - ポ
    u"ﾏ", u"ﾐ",  u"ﾑ",  u"ﾒ",  u"ﾓ",                                             // マ - モ
    u"ｬ", u"ﾔ",  u"ｭ",  u"ﾕ",  u"ｮ",  u"ﾖ",                                      // ャ - ヨ
    u"ﾗ", u"ﾘ",  u"ﾙ",  u"ﾚ",  u"ﾛ",                                             // ラ - ロ
    u"",  u"ﾜ",  u"",   u"",   u"ｦ",  u"ﾝ",  u"ｳﾞ", u"",   u"",   u"ﾜﾞ", u"",
    u"",  u"ｦﾞ",  // ヮ - ヺ
};
static_assert(std::size(kHalfWidthKatakana) == kLastKatakana - kFirstKatakana + 1);

// The half-width form of a character outside the katakana block, or 0 when it has none.
char16_t halfWidthSign(char16_t ch) {
    switch (ch) {
        case u'。':
            return u'｡';
        case u'「':
            return u'｢';
        case u'」':
            return u'｣';
        case u'、':
            return u'､';
        case u'・':
            return u'･';
        case u'ー':
            return u'ｰ';
        case u'゛':
        case u'\u3099':
            return u'ﾞ';
        case u'゜':
        case u'\u309A':
            return u'ﾟ';
        case u'\u3000':
            return u' ';
        default:
            break;
    }
    if (ch >= u'！' && ch <= u'～') return static_cast<char16_t>(ch - u'！' + u'!');
    return 0;
}

}  // namespace

QString toHalfWidthKatakana(const QString& text) {
    QString result;
    result.reserve(text.size() + text.size() / 4);
    for (const QChar qch : text) {
        char16_t ch = qch.unicode();
        if (ch >= kFirstHiragana && ch <= kLastHiragana) ch += kHiraganaToKatakana;
        if (ch >= kFirstKatakana && ch <= kLastKatakana) {
            const std::u16string_view half = kHalfWidthKatakana[ch - kFirstKatakana];
            if (half.empty()) {
                result += qch;
            } else {
                result.append(reinterpret_cast<const QChar*>(half.data()), half.size());
            }
        } else if (const char16_t sign = halfWidthSign(ch)) {
            result += QChar(sign);
        } else {
            result += qch;
        }
    }
    return result;
}

}  // namespace vantir
