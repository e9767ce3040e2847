#include <gtest/gtest.h>

#include <deque>

#include "common/rules/SetDateBar.h"
#include "support/QtPrinters.h"
#include "support/ScriptedMessages.h"

namespace vantir::test {
namespace {

using Action = SetDateResult::Action;
using Checks = SetDateBar::Checks;

enum class Box { Year, Month, Day };

// Leaving one box: what the user is asked or told, the answers given, and what the screen
// is to do. For the day box the year and month are "03" and "05" unless a case says else.
struct SetDateCase {
    const char* name;
    Checks checks;
    Box box;
    const char* typed;
    bool changePending;
    std::deque<bool> answers;
    QStringList shown;
    Action action;
    const char* boxText;
    const char* setDate = nullptr;  // NewSetDate only
    bool cancelPendingChange = false;
    const char* year = "03";
};

const QString kTooMany = QStringLiteral("数値の桁数が多すぎます。");
const QString kOutOfRange = QStringLiteral("question:日付データ:数値が範囲外です。");
const QString kPending =
    QStringLiteral("question:登録変更:データが変更されています、取消して良いですか。？");
const QString kEmptyDay = QStringLiteral("question:日付の入力:日付を２桁で入力して下さい。");
const QString kDayTooMany = QStringLiteral("question:日付の入力:") + kTooMany;
const QString kEnterYear = QStringLiteral("notice:西暦年を２桁で入力して下さい。");
const QString kWrong = QStringLiteral("notice:入力間違いです。");

QString notInteger(const char* text) {
    return QStringLiteral("notice:'%1' は整数ではありません").arg(QString::fromUtf8(text));
}

const SetDateCase kCases[] = {
    // The slip entry: Yes goes back to correct, No lets what was typed stand.
    {"year one character", Checks::Slip, Box::Year, "3", false, {}, {}, Action::None, "03"},
    {"year two", Checks::Slip, Box::Year, "03", false, {}, {}, Action::None, "03"},
    {"year empty, Yes",
     Checks::Slip,
     Box::Year,
     "",
     false,
     {true},
     {"question:年の入力:年を２桁で入力して下さい。"},
     Action::StayInBox,
     ""},
    {"year empty, No",
     Checks::Slip,
     Box::Year,
     "",
     false,
     {false},
     {"question:年の入力:年を２桁で入力して下さい。"},
     Action::None,
     ""},
    {"year three characters, Yes",
     Checks::Slip,
     Box::Year,
     "123",
     false,
     {true},
     {QStringLiteral("question:年の入力:") + kTooMany},
     Action::StayInBox,
     "123"},
    {"year three characters, No",
     Checks::Slip,
     Box::Year,
     "123",
     false,
     {false},
     {QStringLiteral("question:年の入力:") + kTooMany},
     Action::None,
     "123"},
    {"month one character", Checks::Slip, Box::Month, "5", false, {}, {}, Action::None, "05"},
    {"month empty, Yes",
     Checks::Slip,
     Box::Month,
     "",
     false,
     {true},
     {"question:月の入力:月を２桁で入力して下さい。"},
     Action::StayInBox,
     ""},
    {"month three characters, No",
     Checks::Slip,
     Box::Month,
     "123",
     false,
     {false},
     {QStringLiteral("question:月の入力:") + kTooMany},
     Action::None,
     "123"},
    {"day", Checks::Slip, Box::Day, "20", false, {}, {}, Action::NewSetDate, "20", "03/05/20"},
    {"day one character",
     Checks::Slip,
     Box::Day,
     "5",
     false,
     {},
     {},
     Action::NewSetDate,
     "05",
     "03/05/05"},
    {"pending change kept",
     Checks::Slip,
     Box::Day,
     "20",
     true,
     {false},
     {kPending},
     Action::None,
     "20"},
    {"pending change dropped",
     Checks::Slip,
     Box::Day,
     "20",
     true,
     {true},
     {kPending},
     Action::NewSetDate,
     "20",
     "03/05/20",
     true},
    {"pending change dropped, then day empty, Yes",
     Checks::Slip,
     Box::Day,
     "",
     true,
     {true, true},
     {kPending, kEmptyDay},
     Action::StayInBox,
     "",
     nullptr,
     true},
    {"day 0, Yes", Checks::Slip, Box::Day, "0", false, {true}, {kOutOfRange}, Action::None, "0"},
    {"day 00, Yes", Checks::Slip, Box::Day, "00", false, {true}, {kOutOfRange}, Action::None, "00"},
    {"day 0, No",
     Checks::Slip,
     Box::Day,
     "0",
     false,
     {false},
     {kOutOfRange},
     Action::NewSetDate,
     "00",
     "03/05/00"},
    {"day 00, No",
     Checks::Slip,
     Box::Day,
     "00",
     false,
     {false},
     {kOutOfRange},
     Action::NewSetDate,
     "00",
     "03/05/00"},
    {"day empty, Yes",
     Checks::Slip,
     Box::Day,
     "",
     false,
     {true},
     {kEmptyDay},
     Action::StayInBox,
     ""},
    {"day empty, No",
     Checks::Slip,
     Box::Day,
     "",
     false,
     {false},
     {kEmptyDay},
     Action::NewSetDate,
     "",
     "03/05/"},
    {"day not a number",
     Checks::Slip,
     Box::Day,
     "2a",
     false,
     {},
     {notInteger("2a")},
     Action::StayInBox,
     "2a"},
    {"day 32, Yes", Checks::Slip, Box::Day, "32", false, {true}, {kOutOfRange}, Action::None, "32"},
    {"day 32, No",
     Checks::Slip,
     Box::Day,
     "32",
     false,
     {false},
     {kOutOfRange},
     Action::NewSetDate,
     "32",
     "03/05/32"},
    {"day three characters, range Yes",
     Checks::Slip,
     Box::Day,
     "123",
     false,
     {true},
     {kOutOfRange},
     Action::None,
     "123"},
    {"day three characters, range No, digits Yes",
     Checks::Slip,
     Box::Day,
     "123",
     false,
     {false, true},
     {kOutOfRange, kDayTooMany},
     Action::StayInBox,
     "123"},
    {"day three characters, No and No",
     Checks::Slip,
     Box::Day,
     "123",
     false,
     {false, false},
     {kOutOfRange, kDayTooMany},
     Action::NewSetDate,
     "123",
     "03/05/123"},
    {"day three characters in range, Yes",
     Checks::Slip,
     Box::Day,
     "010",
     false,
     {true},
     {kDayTooMany},
     Action::StayInBox,
     "010"},
    {"year not checked for digits",
     Checks::Slip,
     Box::Day,
     "20",
     false,
     {},
     {},
     Action::NewSetDate,
     "20",
     "0'/05/20",
     false,
     "0'"},

    // The receipt and payment entry: notices, and the cursor goes on.
    {"cash year one character", Checks::Cash, Box::Year, "3", false, {}, {}, Action::None, "03"},
    {"cash year empty", Checks::Cash, Box::Year, "", false, {}, {kEnterYear}, Action::None, ""},
    {"cash year not checked", Checks::Cash, Box::Year, "abc", false, {}, {}, Action::None, "abc"},
    {"cash month one character", Checks::Cash, Box::Month, "5", false, {}, {}, Action::None, "05"},
    {"cash month empty", Checks::Cash, Box::Month, "", false, {}, {kEnterYear}, Action::None, ""},
    {"cash month 13", Checks::Cash, Box::Month, "13", false, {}, {kWrong}, Action::None, "13"},
    {"cash month 0", Checks::Cash, Box::Month, "0", false, {}, {kWrong}, Action::None, "00"},
    {"cash month not a number",
     Checks::Cash,
     Box::Month,
     "x",
     false,
     {},
     {notInteger("0x")},
     Action::None,
     "0x"},
    {"cash day one character",
     Checks::Cash,
     Box::Day,
     "5",
     false,
     {},
     {},
     Action::NewSetDate,
     "05",
     "03/05/05"},
    {"cash day 31 whatever the month",
     Checks::Cash,
     Box::Day,
     "31",
     true,
     {},
     {},
     Action::NewSetDate,
     "31",
     "03/05/31"},
    {"cash day 32", Checks::Cash, Box::Day, "32", false, {}, {kWrong}, Action::None, "32"},
    {"cash day 0", Checks::Cash, Box::Day, "0", false, {}, {kWrong}, Action::None, "00"},
    {"cash day empty", Checks::Cash, Box::Day, "", false, {}, {kEnterYear}, Action::None, ""},
    {"cash day not a number",
     Checks::Cash,
     Box::Day,
     "2a",
     false,
     {},
     {notInteger("2a")},
     Action::None,
     "2a"},
};

TEST(SetDateBarTest, EachBoxAsksOrTellsAndSaysWhereTheCursorGoes) {
    for (const SetDateCase& c : kCases) {
        ScriptedMessages messages;
        messages.answers = c.answers;
        SetDateBar bar(c.checks, messages);
        const QString typed = QString::fromUtf8(c.typed);
        SetDateResult result;
        switch (c.box) {
            case Box::Year:
                result = bar.yearLeft(typed);
                break;
            case Box::Month:
                result = bar.monthLeft(typed);
                break;
            case Box::Day:
                result = bar.dayLeft({QString::fromUtf8(c.year), QStringLiteral("05"), typed},
                                     c.changePending);
                break;
        }
        EXPECT_EQ(messages.shown, c.shown) << c.name;
        EXPECT_TRUE(messages.answers.empty()) << c.name << ": not every answer was asked for";
        EXPECT_EQ(result.action, c.action) << c.name;
        EXPECT_EQ(result.boxText, QString::fromUtf8(c.boxText)) << c.name;
        EXPECT_EQ(result.cancelPendingChange, c.cancelPendingChange) << c.name;
        const QString setDate = c.setDate ? QString::fromUtf8(c.setDate) : QString();
        EXPECT_EQ(result.setDate, setDate) << c.name;
        if (c.setDate) {
            QString quoted = setDate;
            quoted.replace(QLatin1Char('\''), QLatin1String("''"));
            EXPECT_EQ(result.filter, QStringLiteral("HYMD = '%1'").arg(quoted)) << c.name;
        } else {
            EXPECT_TRUE(result.filter.isEmpty()) << c.name;
        }
    }
}

TEST(SetDateBarTest, PickedDateFillsTheBoxes) {
    EXPECT_EQ(SetDateBar::boxesOfPickedDate(QStringLiteral("03/05/20")),
              (SetDateBoxes{"03", "05", "20"}));
    for (const char* other : {"", "3/5/20", "03-05-20", "2003/05/20"}) {
        EXPECT_EQ(SetDateBar::boxesOfPickedDate(QString::fromLatin1(other)), std::nullopt) << other;
    }
}

}  // namespace
}  // namespace vantir::test
