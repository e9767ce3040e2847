#pragma once

#include <QString>

#include "common/rules/ClosingPeriod.h"

namespace vantir {

struct PrintSelection;

// The header texts of the month-based reports, from the selection the print was made
// with (the own office's name is PrintSelection::office, filled by the print runner).
namespace monthlyReportHeader {

// QRL_Tuki: the month as entered, "yy/mm".
QString month(const PrintSelection& selection);
// The period the print extracted, S..E, by the rule of the monthly aggregation; empty
// texts when the selection has none.
ClosingPeriod period(const PrintSelection& selection);
// The part of the period a choice of the sub-period ledgers takes: "1" the 1st to the
// 10th of E's month, "2" the 11th to the 20th, "3" the 21st to E, anything else S..E.
ClosingPeriod subPeriod(const ClosingPeriod& period, const QString& choice);
// LBL_Date: "日付範囲 " + S + " ～ " + E.
QString dateRange(const ClosingPeriod& period);
// LBL_Sime and the ledgers' closing label: "20日締", "末締" for "99".
QString closingDay(const QString& closingDay);
// LBL_Flg: "自社締日" for the closing flag "1", otherwise "相手先締日".
QString closingFlag(const QString& choice);
// The ledgers' month label: "24/05月分".
QString ledgerMonth(const QString& month);

}  // namespace monthlyReportHeader

}  // namespace vantir
