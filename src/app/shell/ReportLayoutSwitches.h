#pragma once

namespace vantir {

class DataModule1;
struct AppState;

// Act_Get_Rpt: the company record's layout switches, read once at start into EditRpt_Flg
// (the "2" layouts of the paired printouts) and EditRpt_Flg2 (the invoice forms). A change
// saved on the company screen takes effect at the next start. Throws DbError.
void readReportLayoutSwitches(DataModule1& dm1, AppState& state);

}  // namespace vantir
