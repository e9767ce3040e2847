#include <gtest/gtest.h>

#include "app/cli/CliContext.h"

namespace vantir::test {
namespace {

struct DateCommandCase {
    QStringList args;
    int exitCode;
    QString out;
    QString err;  // a leading "usage:" is enough for usage errors
};

void PrintTo(const DateCommandCase& c, std::ostream* os) {
    *os << "date " << c.args.join(u' ').toStdString();
}

class DateCommand : public ::testing::TestWithParam<DateCommandCase> {};

TEST_P(DateCommand, PrintsTheRuleResultOrItsMessage) {
    const DateCommandCase& c = GetParam();
    QString outText;
    QString errText;
    QTextStream out(&outText);
    QTextStream err(&errText);
    CliContext context{QStringLiteral("."), out, err};

    EXPECT_EQ(runDateCommand(context, c.args), c.exitCode);
    out.flush();
    err.flush();
    EXPECT_EQ(outText, c.out);
    if (c.err == QLatin1String("usage:")) {
        EXPECT_TRUE(errText.startsWith(c.err)) << errText.toStdString();
    } else {
        EXPECT_EQ(errText, c.err);
    }
}

const QString kUsage = QStringLiteral("usage:");

INSTANTIATE_TEST_SUITE_P(
    Forms, DateCommand,
    ::testing::Values(
        DateCommandCase{{"closing-period", "20", "03/05"}, 0, "03/04/21 03/05/20\n", ""},
        DateCommandCase{{"closing-period", "99", "04/02"}, 0, "04/02/01 04/02/29\n", ""},
        DateCommandCase{{"fiscal-start", "03/02", "03", "99"}, 0, "02/04/01\n", ""},
        DateCommandCase{{"due-by-site", "03/04", "20", "45"}, 0, "03/05/20\n", ""},
        DateCommandCase{{"due-by-payday", "03/12", "99", "2", "99"}, 0, "04/02/29\n", ""},
        DateCommandCase{{"closing-period", "", "03/05"},
                        1,
                        "",
                        QString::fromUtf8("締日又は月度に入力して下さい。\n")},
        DateCommandCase{{"due-by-site", "03/04", "20", "abc"},
                        1,
                        "",
                        QString::fromUtf8("サイトは日数を数字で入力して下さい。\n")},
        DateCommandCase{{}, 2, "", kUsage},
        DateCommandCase{{"closing-period", "20"}, 2, "", kUsage},
        DateCommandCase{{"due-by-site", "03/04", "20", "45", "60"}, 2, "", kUsage},
        DateCommandCase{{"due-by-moon", "03/04"}, 2, "", kUsage}));

}  // namespace
}  // namespace vantir::test
