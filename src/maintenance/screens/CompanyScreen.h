#pragma once

#include "maintenance/screens/SettingsRecordScreen.h"

namespace vantir {

class DataModule1;

// The company screen "会社情報" (mode "Cop_Dat"): the company record COP_DAT, the row the
// invoices and reports print in their company block, with the two report layout switches,
// which take effect at the next start.
class CompanyScreen : public SettingsRecordScreen {
    Q_OBJECT

  public:
    // Opens COP_DAT at its first row (throws DbError); dm1 and messages outlive the screen.
    CompanyScreen(DataModule1& dm1, Messages& messages, QWidget* parent = nullptr);
};

}  // namespace vantir
