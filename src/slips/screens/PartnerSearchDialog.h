#pragma once

#include "slips/rules/PartnerSearchRules.h"
#include "slips/screens/SearchDialog.h"

class QComboBox;
class QLineEdit;

namespace vantir {

// The customer search (得意先検索) and the carrier search (傭車先検索): "検索条件" with the
// search box, the search kind and "実行"; the sort key, the direction and "初期化"; the
// list of partners; "確定" and "取消". The boxes keep what was chosen from one showing to
// the next, as the list does.
class PartnerSearchDialog : public SearchDialog {
    Q_OBJECT

  public:
    // The views, the state, the registry and messages must outlive the dialog.
    PartnerSearchDialog(const PartnerSearchDescription& description, DataModule1& data,
                        const AppState& state, const HandBacks& handBacks, Messages& messages,
                        QWidget* parent = nullptr);

  protected:
    void openList() override { rules_.open(); }
    void closeList() override { rules_.close(); }
    void confirm() override { rules_.confirm(); }

  private:
    QWidget* makeConditions();
    // A new search kind: the box emptied, typed into in the kind's input mode, the cursor
    // put there.
    void kindChosen(int item);
    void execute();
    void reset();
    // The boxes as the rules hold them.
    void showBoxes();

    PartnerSearchRules rules_;
    QLineEdit* search_ = nullptr;
    QComboBox* kind_ = nullptr;
    QComboBox* sortKey_ = nullptr;
    QComboBox* direction_ = nullptr;
};

}  // namespace vantir
