#pragma once

#include "monthly/rules/SetMonRules.h"
#include "platform/ui/Screen.h"

class QLabel;
class QLineEdit;

namespace vantir {

// The dialog "月次集計" (mode "SetMon"): closing day and month, the run with its progress
// line repainted at every step, and "btnSirMoto" for the purchase ledger alone.
class SetMonScreen : public Screen {
    Q_OBJECT

  public:
    SetMonScreen(DataModule1& dm1, DataModule2& dm2, const AppState& state, Messages& messages,
                 QWidget* parent = nullptr);

  private:
    void showProgress(const QString& line);
    void showOutcome(const Result& result);

    SetMonRules& rules_;
    QLineEdit* sime_ = nullptr;
    QLineEdit* month_ = nullptr;
    QLabel* progress_ = nullptr;
};

}  // namespace vantir
