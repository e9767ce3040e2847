#include <gtest/gtest.h>

#include <limits>

#include "platform/report/NumberMask.h"
#include "platform/report/ReportError.h"
#include "support/QtPrinters.h"

namespace vantir::test {
namespace {

struct MaskCase {
    const char* mask;
    QVariant value;
    const char* expected;
};

// The mask and the value in test output (and in the test's registered name), not the
// case's bytes, which change from one build to the next.
void PrintTo(const MaskCase& c, std::ostream* os) {
    *os << c.mask << ' ' << (c.value.isNull() ? "NULL" : c.value.toString().toStdString());
}

class NumberMaskTest : public ::testing::TestWithParam<MaskCase> {};

TEST_P(NumberMaskTest, FormatsAsThePrintedFormsShowIt) {
    const MaskCase& c = GetParam();
    EXPECT_EQ(NumberMask(QString::fromLatin1(c.mask)).format(c.value),
              QString::fromUtf8(c.expected))
        << c.mask << " " << c.value.toString().toStdString();
}

const double kInfinity = std::numeric_limits<double>::infinity();

INSTANTIATE_TEST_SUITE_P(
    Masks, NumberMaskTest,
    ::testing::Values(
        // Yen.
        MaskCase{"#,##0", qint64(0), "0"}, MaskCase{"#,##0", qint64(999), "999"},
        MaskCase{"#,##0", qint64(1000), "1,000"}, MaskCase{"#,##0", qint64(1234567), "1,234,567"},
        MaskCase{"#,##0", qint64(-1), "-1"}, MaskCase{"#,##0", qint64(-1234), "-1,234"},
        MaskCase{"#,##0", std::numeric_limits<qint64>::max(), "9,223,372,036,854,775,807"},
        MaskCase{"#,##0", std::numeric_limits<qint64>::min(), "-9,223,372,036,854,775,808"},
        MaskCase{"#,##0", 1234.5, "1,235"}, MaskCase{"#,##0", -1234.5, "-1,235"},
        MaskCase{"#,##0", 0.4, "0"}, MaskCase{"#,##0", -0.4, "0"},
        MaskCase{"#,##0", QVariant(), ""}, MaskCase{"#,##0", QStringLiteral("1500"), "1,500"},
        MaskCase{"#,##0", QStringLiteral("東京"), "東京"},
        // Amounts and rates with two decimals.
        MaskCase{"#,##0.00", qint64(0), "0.00"}, MaskCase{"#,##0.00", qint64(1234), "1,234.00"},
        MaskCase{"#,##0.00", 1234.567, "1,234.57"}, MaskCase{"#,##0.00", 2.675, "2.68"},
        MaskCase{"#,##0.00", -1234.5, "-1,234.50"}, MaskCase{"#,##0.00", -0.005, "-0.01"},
        MaskCase{"#,##0.00", -0.004, "0.00"}, MaskCase{"#,##0.00", 999.995, "1,000.00"},
        MaskCase{"##0.00", 0.0, "0.00"}, MaskCase{"##0.00", 12.345, "12.35"},
        MaskCase{"##0.00", 1234.5, "1234.50"}, MaskCase{"##0.00", -5.5, "-5.50"},
        MaskCase{"##0.00", 200.0 / 3.0, "66.67"}, MaskCase{"##0.00", 0.001, "0.00"},
        // A rate whose divisor was zero prints nothing rather than "inf".
        MaskCase{"##0.00", kInfinity, ""}, MaskCase{"#,##0.00", -kInfinity, ""},
        MaskCase{"##0.00", std::numeric_limits<double>::quiet_NaN(), ""},
        // Optional digits only: zero prints nothing.
        MaskCase{"#,###", qint64(0), ""}, MaskCase{"#,###", qint64(12345), "12,345"}));

TEST(NumberMaskPatternTest, RefusesPatternsItDoesNotKnow) {
    for (const char* pattern : {"", "yy/mm/dd", "#,##0円", "abc"})
        EXPECT_THROW(NumberMask(QString::fromUtf8(pattern)), ReportError) << pattern;
}

}  // namespace
}  // namespace vantir::test
