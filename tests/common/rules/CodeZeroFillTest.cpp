#include <gtest/gtest.h>

#include "common/rules/CodeZeroFill.h"

namespace vantir::test {
namespace {

TEST(CodeZeroFillTest, FillsTwoToFiveCharactersAndLeavesTheRestAsTyped) {
    struct Case {
        const char* typed;
        const char* filled;
    };
    const Case cases[] = {
        {"", ""},
        {"7", "7"},  // one character stays
        {"12", "000012"},
        {"345", "000345"},
        {"1234", "001234"},
        {"99999", "099999"},
        {"123456", "123456"},
        {"1234567", "1234567"},
        {"AB", "0000AB"},      // letters are not refused
        {"１２", "0000１２"},  // characters, not bytes
        {" 7", "0000 7"},      // nothing trimmed either
    };
    for (const Case& c : cases) {
        EXPECT_EQ(zeroFilledCode(QString::fromUtf8(c.typed)), QString::fromUtf8(c.filled))
            << c.typed;
    }
}

}  // namespace
}  // namespace vantir::test
