#include "TempDatabase.h"
#include "platform/db/DbError.h"

namespace vantir::test {
namespace {

class JetFunctionsTest : public TempDatabase {};

struct FunctionCase {
    const char* expression;
    QVariant expected;
};

// Today is 2026-12-09 in every test run: two-digit years read as 1976..2075.
TEST_F(JetFunctionsTest, GiveJetResults) {
    const FunctionCase cases[] = {
        {"CvDate('03/05/20')", "2003-05-20"},
        {"CvDate('99/12/31')", "1999-12-31"},
        {"CvDate('00/01/01')", "2000-01-01"},
        {"CvDate('75/12/31')", "2075-12-31"},
        {"CvDate('76/01/01')", "1976-01-01"},
        {"CvDate('04/02/29')", "2004-02-29"},
        {"CvDate('2003/05/20')", "2003-05-20"},
        {"CvDate('2003-05-20')", "2003-05-20"},
        {"CvDate(CvDate('03/05/20'))", "2003-05-20"},
        {"CvDate('03/02/29')", QVariant()},
        {"CvDate('03/13/01')", QVariant()},
        {"CvDate('abc')", QVariant()},
        {"CvDate('')", QVariant()},
        {"CvDate(NULL)", QVariant()},
        {"CvDate('99/12/31') < CvDate('00/01/01')", qint64(1)},
        {"'99/12/31' < '00/01/01'", qint64(0)},
        {"CvDate('03/05/20') = CvDate('2003/05/20')", qint64(1)},
        {"Nz(NULL, 0)", qint64(0)},
        {"Nz(NULL)", ""},
        {"Nz('x', 'y')", "x"},
        {"Mid('東京都港区', 3, 2)", "都港"},
        {"Mid('abc', 2)", "bc"},
        {"Mid('abc', 5, 1)", ""},
        {"Mid(NULL, 1, 1)", QVariant()},
        {"Left('東京都', 2)", "東京"},
        {"left('abc', 5)", "abc"},
        {"Right('東京都', 1)", "都"},
        {"Left(NULL, 2)", QVariant()},
        {"Len('東京')", qint64(2)},
        {"Len('')", qint64(0)},
        {"Len(NULL)", QVariant()},
        {"Val(' 12 34abc')", qint64(1234)},
        {"Val('1.5')", 1.5},
        {"Val('-7')", qint64(-7)},
        {"Val('1e3')", qint64(1000)},
        {"Val('abc')", qint64(0)},
        {"CLng(2.5)", qint64(2)},
        {"CLng(3.5)", qint64(4)},
        {"CLng(-2.5)", qint64(-2)},
        {"CLng('6172.85')", qint64(6173)},
        {"CLng(123457 * 5 / 100.0)", qint64(6173)},
        {"CLng(3000000000)", qint64(3000000000)},
        {"Int(1.9)", qint64(1)},
        {"Int(-1.5)", qint64(-2)},
        {"Int('7')", qint64(7)},
        {"IIf(1 > 0, 'a', 'b')", "a"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        const QVariant value =
            db.scalar(QStringLiteral("SELECT ") + QString::fromUtf8(c.expression));
        EXPECT_EQ(value, c.expected);
        EXPECT_EQ(value.typeId(), c.expected.typeId());
    }
}

TEST_F(JetFunctionsTest, RefuseWhatJetRefuses) {
    const struct {
        const char* expression;
        const char* message;
    } cases[] = {
        {"Mid('abc', 0)", "Invalid procedure call in function Mid()"},
        {"Left('abc', -1)", "Invalid procedure call in function Left()"},
        {"Mid('abc', 'x')", "Type mismatch in function Mid()"},
        {"CLng('x')", "Type mismatch in function CLng()"},
        {"Int('')", "Type mismatch in function Int()"},
        {"CLng(1e30)", "Overflow in function CLng()"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.expression);
        try {
            db.scalar(QStringLiteral("SELECT ") + QString::fromUtf8(c.expression));
            ADD_FAILURE() << "no error";
        } catch (const DbError& e) {
            EXPECT_EQ(e.message(), QString::fromUtf8(c.message));
        }
    }
}

}  // namespace
}  // namespace vantir::test
