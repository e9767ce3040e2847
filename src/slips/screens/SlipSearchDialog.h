#pragma once

#include "slips/rules/SlipSearchRules.h"
#include "slips/screens/SearchDialog.h"

namespace vantir {

// The slip search (配車票検索): the slips its caller chose (those of the set day), "確定"
// and "取消". Confirming a slip narrows the shared slip table to it.
class SlipSearchDialog : public SearchDialog {
    Q_OBJECT

  public:
    // The views and messages must outlive the dialog.
    SlipSearchDialog(DataModule1& data, Messages& messages, QWidget* parent = nullptr);

  protected:
    void openList() override { rules_.open(); }
    void closeList() override { rules_.close(); }
    void confirm() override { rules_.confirm(); }

  private:
    SlipSearchRules rules_;
};

}  // namespace vantir
