#include <gtest/gtest.h>

#include "platform/report/GroupBreak.h"
#include "support/QtPrinters.h"

namespace vantir::test {
namespace {

struct BreakCase {
    const char* name;
    QVariantList previous;
    QVariantList keys;
    int expected;
};

// Names the case in test output (and in the test's registered name) instead of its bytes.
void PrintTo(const BreakCase& c, std::ostream* os) { *os << c.name; }

class GroupBreakTest : public ::testing::TestWithParam<BreakCase> {};

TEST_P(GroupBreakTest, FindsTheOutermostGroupThatChanged) {
    EXPECT_EQ(firstBrokenGroup(GetParam().previous, GetParam().keys), GetParam().expected);
}

const QVariant kNull;

INSTANTIATE_TEST_SUITE_P(
    Keys, GroupBreakTest,
    ::testing::Values(
        BreakCase{"NoGroups", {}, {}, -1},
        BreakCase{"SameCode", {QStringLiteral("000001")}, {QStringLiteral("000001")}, -1},
        BreakCase{"NewCode", {QStringLiteral("000001")}, {QStringLiteral("000002")}, 0},
        // Codes are text: leading zeros matter.
        BreakCase{"CodeTextNotNumber", {QStringLiteral("01")}, {QStringLiteral("1")}, 0},
        BreakCase{
            "InnerOnly", {QStringLiteral("A"), qint64(1)}, {QStringLiteral("A"), qint64(2)}, 1},
        BreakCase{"OuterBreaksInnerToo",
                  {QStringLiteral("A"), qint64(1)},
                  {QStringLiteral("B"), qint64(1)},
                  0},
        BreakCase{"NullContinuesNull", {kNull}, {kNull}, -1},
        BreakCase{"NullToEmptyText", {kNull}, {QString(QLatin1String(""))}, 0},
        BreakCase{"ValueToNull", {qint64(0)}, {kNull}, 0}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vantir::test
