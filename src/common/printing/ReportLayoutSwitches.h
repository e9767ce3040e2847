#pragma once

#include <QString>

namespace vantir {

class DataModule1;
struct AppState;

// Act_Get_Rpt: the company record's layout switches, read once at start into EditRpt_Flg
// (the "2" layouts of the paired printouts) and EditRpt_Flg2 (the invoice forms). A change
// saved on the company screen takes effect at the next start. Throws DbError.
void readReportLayoutSwitches(DataModule1& dm1, AppState& state);

// Which layout of a paired printout the switch selects: its twin on the continuous form
// (the name followed by "2", "QR_Nyukin2") when EditRpt_Flg is "1", the plain A4 layout
// for any other value.
QString chosenLayout(const QString& printout, const AppState& state);

}  // namespace vantir
