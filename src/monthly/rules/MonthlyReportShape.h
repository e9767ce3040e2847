#pragma once

#include <QString>
#include <QStringList>

namespace vantir {

// How the dialog "月次印刷範囲設定" looks for one of the eighteen month-based reports: the
// label and opening values of its code range, and the third row (期間 or 締ﾌﾗｸﾞ) where the
// report has one. The command line takes the same opening values for what it is not given.
struct MonthlyReportShape {
    QString report;  // "QR_TK_SM"
    QString rangeLabel;  // "得意ｺｰﾄﾞ", "傭車先ｺｰﾄﾞ", "担当者ｺｰﾄﾞ", "取引先ｺｰﾄﾞ"
    QString from;         // "0"
    QString to;           // "999999", "99" for the staff codes
    QString choiceLabel;  // "期間" or "締ﾌﾗｸﾞ"; empty: the third row is hidden
    QString choiceHint;   // "1>前半 2>中半 3>後半 0>全体"
    QString choice;       // the third row's opening value: "0", "1" for the closing flag
    // The report window the report prints in: the sales ledgers share QR_UriBKM's, the
    // purchase ledgers QR_SirBKM's; the others have their own.
    QString window;

    bool hasChoice() const { return !choiceLabel.isEmpty(); }

    // nullptr for a name that is not a month-based report.
    static const MonthlyReportShape* find(const QString& report);
    // The eighteen names, in the order of the dialog's actions.
    static QStringList reports();
};

}  // namespace vantir
