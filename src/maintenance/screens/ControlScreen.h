#pragma once

#include "maintenance/screens/SettingsRecordScreen.h"

namespace vantir {

class DataModule1;

// The control screen "コントロール" (mode "S_Control"): the company's own settlement terms
// in the control record S_CONTROL, its current row. Entering the code field gives a new or
// blank record the code "1" (on an empty table, its first row), and so does posting a
// record whose code field was never entered. Values are stored as typed; the next monthly
// run or report reads them.
class ControlScreen : public SettingsRecordScreen {
    Q_OBJECT

  public:
    // Opens S_CONTROL and the office master HIMAS1 (throws DbError).
    ControlScreen(DataModule1& dm1, Messages& messages, QWidget* parent = nullptr);
};

}  // namespace vantir
