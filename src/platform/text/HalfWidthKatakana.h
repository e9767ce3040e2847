#pragma once

#include <QString>

namespace vantir {

// What a field whose input mode is half-width katakana (kana readings) keeps of what was
// typed: katakana and hiragana become half-width katakana, a voiced or semi-voiced kana
// becoming two characters ("ガ" -> "ｶﾞ", "ぱ" -> "ﾊﾟ"), the kana punctuation and long
// vowel mark their half-width forms, full-width letters, digits and signs their ASCII
// forms, and the ideographic space a plain space. Kana without a half-width form ("ヶ",
// "ヰ") and everything else stay as they are.
QString toHalfWidthKatakana(const QString& text);

}  // namespace vantir
