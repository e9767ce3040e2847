#pragma once

namespace vantir {

class PrintoutRegistry;

// The slip printouts of the daily menu, each with its continuous-form twin ("2"):
//   QR_Vantir   the dispatch check list "配車入力確認表", every slip of the day
//   QR_Kakutei  the same list as "確定一覧表": the slips whose CHKDAY holds a date
//   QR_Mitei    the same list as "未定一覧表": the slips whose CHKDAY is NULL or empty
//   QR_Jyuryo   the day's delivery receipts, three across
// each taking --date YY/MM/DD and --kind 配車日|降し日|請求日; and, on A4 only,
//   QR_JyuryoW  the blank receipt sheet, fifteen receipts.
void registerSlipPrintouts(PrintoutRegistry& registry);

}  // namespace vantir
