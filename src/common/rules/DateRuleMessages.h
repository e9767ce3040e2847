#pragma once

#include <QString>

// The messages of the closing-day and due-date rules. The first is the one every period
// dialog shows; the others name the value that cannot be read, since a closing day, site
// or control setting with letters in it would otherwise give a date nobody asked for.
namespace vantir::dateRuleMessage {

inline const QString enterClosingDayOrMonth = QStringLiteral("締日又は月度に入力して下さい。");
inline const QString month = QStringLiteral("月度は yy/mm の形（例 03/05）で入力して下さい。");
inline const QString closingDay = QStringLiteral("締日は 01～28 又は 99（末締）で入力して下さい。");
inline const QString siteDays = QStringLiteral("サイトは日数を数字で入力して下さい。");
inline const QString ownClosingDay =
    QStringLiteral("コントロールの自社締日を 01～28 又は 99（末締）で設定して下さい。");
inline const QString fiscalMonth =
    QStringLiteral("コントロールの決算月を 01～12 で設定して下さい。");
inline const QString paymentSite = QStringLiteral(
    "コントロールの支払サイトを月数（当月 = 0、翌月 = 1、翌々月 = 2）で設定して下さい。");
inline const QString paymentDay =
    QStringLiteral("コントロールの支払予定日を 01～31 又は 99（末日）で設定して下さい。");

}  // namespace vantir::dateRuleMessage
