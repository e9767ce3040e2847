#include "common/rules/SetDateBar.h"

#include "common/rules/NotAnInteger.h"
#include "platform/db/SqlQuote.h"
#include "platform/system/Messages.h"

namespace vantir {

namespace {

using Action = SetDateResult::Action;

constexpr int kBoxWidth = 2;
constexpr int kLastDay = 31;
constexpr int kLastMonth = 12;

const QString kTooManyDigits = QStringLiteral("数値の桁数が多すぎます。");
const QString kOutOfRange = QStringLiteral("数値が範囲外です。");
const QString kDateDataCaption = QStringLiteral("日付データ");
const QString kDayCaption = QStringLiteral("日付の入力");
const QString kEnterTwoDigitYear = QStringLiteral("西暦年を２桁で入力して下さい。");
const QString kWrongInput = QStringLiteral("入力間違いです。");

// A one-character box gets its "0" in front.
QString withLeadingZero(const QString& text) {
    return text.size() == 1 ? QLatin1Char('0') + text : text;
}

// A box read as a whole number: ASCII digits within the 32-bit range.
std::optional<int> wholeNumber(const QString& text) {
    if (text.isEmpty() || text.size() > 9) return std::nullopt;
    int value = 0;
    for (const QChar c : text) {
        if (c < u'0' || c > u'9') return std::nullopt;
        value = value * 10 + (c.unicode() - u'0');
    }
    return value;
}

SetDateResult result(Action action, const QString& boxText) {
    SetDateResult outcome;
    outcome.action = action;
    outcome.boxText = boxText;
    return outcome;
}

}  // namespace

SetDateBar::SetDateBar(Checks checks, Messages& messages) : checks_(checks), messages_(messages) {}

SetDateResult SetDateBar::yearLeft(const QString& year) {
    if (checks_ == Checks::Slip) {
        return slipPartLeft(year, QStringLiteral("年の入力"),
                            QStringLiteral("年を２桁で入力して下さい。"));
    }
    const QString filled = withLeadingZero(year);
    if (filled.isEmpty()) messages_.notice(kEnterTwoDigitYear);
    return result(Action::None, filled);
}

SetDateResult SetDateBar::monthLeft(const QString& month) {
    if (checks_ == Checks::Slip) {
        return slipPartLeft(month, QStringLiteral("月の入力"),
                            QStringLiteral("月を２桁で入力して下さい。"));
    }
    const QString filled = withLeadingZero(month);
    cashPartReadable(filled, kLastMonth);
    return result(Action::None, filled);
}

SetDateResult SetDateBar::dayLeft(const SetDateBoxes& boxes, bool changePending) {
    return checks_ == Checks::Slip ? slipDayLeft(boxes, changePending) : cashDayLeft(boxes);
}

// Yes sends the user back to correct the box; No lets what was typed stand.
SetDateResult SetDateBar::slipPartLeft(const QString& text, const QString& caption,
                                       const QString& emptyMessage) {
    if (text.size() > kBoxWidth && messages_.question(kTooManyDigits, caption)) {
        return result(Action::StayInBox, text);
    }
    if (text.isEmpty() && messages_.question(emptyMessage, caption)) {
        return result(Action::StayInBox, text);
    }
    return result(Action::None, withLeadingZero(text));
}

SetDateResult SetDateBar::slipDayLeft(const SetDateBoxes& boxes, bool changePending) {
    SetDateResult outcome = result(Action::None, boxes.day);
    if (changePending) {
        if (!messages_.question(QStringLiteral("データが変更されています、取消して良いですか。？"),
                                QStringLiteral("登録変更"))) {
            return outcome;
        }
        outcome.cancelPendingChange = true;
    }
    QString day = boxes.day;
    const bool zeroDay = day == u"0" || day == u"00";
    if (zeroDay && messages_.question(kOutOfRange, kDateDataCaption)) return outcome;
    if (day.isEmpty()) {
        if (messages_.question(QStringLiteral("日付を２桁で入力して下さい。"), kDayCaption)) {
            outcome.action = Action::StayInBox;
            return outcome;
        }
    } else {
        const std::optional<int> number = wholeNumber(day);
        if (!number) {
            messages_.notice(notAnIntegerMessage(day));
            outcome.action = Action::StayInBox;
            return outcome;
        }
        if (*number > kLastDay && messages_.question(kOutOfRange, kDateDataCaption)) {
            return outcome;
        }
        if (day.size() > kBoxWidth && messages_.question(kTooManyDigits, kDayCaption)) {
            outcome.action = Action::StayInBox;
            return outcome;
        }
        day = withLeadingZero(day);
    }
    outcome.action = Action::NewSetDate;
    outcome.boxText = day;
    outcome.setDate = boxes.year + u'/' + boxes.month + u'/' + day;
    outcome.filter = QStringLiteral("HYMD = ") + sqlQuote(outcome.setDate);
    return outcome;
}

// The receipt and payment entry tell the user what is wrong and let the cursor go on;
// only a readable day of 1 to 31 (whatever the month) makes a new set date.
SetDateResult SetDateBar::cashDayLeft(const SetDateBoxes& boxes) {
    const QString day = withLeadingZero(boxes.day);
    SetDateResult outcome = result(Action::None, day);
    if (!cashPartReadable(day, kLastDay)) return outcome;
    outcome.action = Action::NewSetDate;
    outcome.setDate = boxes.year + u'/' + boxes.month + u'/' + day;
    outcome.filter = QStringLiteral("HYMD = ") + sqlQuote(outcome.setDate);
    return outcome;
}

bool SetDateBar::cashPartReadable(const QString& text, int highest) {
    if (text.isEmpty()) {
        messages_.notice(kEnterTwoDigitYear);
        return false;
    }
    const std::optional<int> number = wholeNumber(text);
    if (!number) {
        messages_.notice(notAnIntegerMessage(text));
        return false;
    }
    if (*number < 1 || *number > highest) {
        messages_.notice(kWrongInput);
        return false;
    }
    return true;
}

std::optional<SetDateBoxes> SetDateBar::boxesOfPickedDate(const QString& picked) {
    if (picked.size() != 8 || picked[2] != u'/' || picked[5] != u'/') return std::nullopt;
    return SetDateBoxes{picked.mid(0, 2), picked.mid(3, 2), picked.mid(6, 2)};
}

}  // namespace vantir
