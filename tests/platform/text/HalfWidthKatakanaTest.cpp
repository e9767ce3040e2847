#include <gtest/gtest.h>

#include "platform/text/HalfWidthKatakana.h"

namespace vantir::test {
namespace {

TEST(HalfWidthKatakana, ConvertsWhatAKanaReadingFieldKeeps) {
    struct Case {
        const char* typed;
        const char* kept;
    };
    const Case cases[] = {
        {"ガ", "ｶﾞ"},
        {"トウキョウウンソウ", "ﾄｳｷｮｳｳﾝｿｳ"},
        {"パピプペポ", "ﾊﾟﾋﾟﾌﾟﾍﾟﾎﾟ"},
        {"ヴヷヺ", "ｳﾞﾜﾞｦﾞ"},
        {"がっこう", "ｶﾞｯｺｳ"},         // hiragana as the input method typed it
        {"カ\u3099ハ\u309A", "ｶﾞﾊﾟ"},  // combining voiced marks
        {"「ヤマト・ー」。、", "｢ﾔﾏﾄ･ｰ｣｡､"},
        {"ＡＢＣ１２３　（株）", "ABC123 (株)"},
        {"ヶヰヱヮゎ", "ヶヰヱヮゎ"},  // no half-width form: left as typed
        {"ｶﾅ abc 漢字", "ｶﾅ abc 漢字"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(toHalfWidthKatakana(QString::fromUtf8(c.typed)), QString::fromUtf8(c.kept))
            << c.typed;
    }
}

}  // namespace
}  // namespace vantir::test
