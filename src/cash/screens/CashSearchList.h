#pragma once

#include <QDialog>

namespace vantir {

class CashEntryRules;
class DatasetGrid;
class Messages;

// The search list of the receipt entry (入金伝票検索) or the payment entry (下払伝票検索):
// the setting date's records, newest number first, read-only. "確定" brings the chosen
// record into the entry screen alone; "取消" changes nothing. The list's query is open
// while the list is shown.
class CashSearchList : public QDialog {
    Q_OBJECT

  public:
    CashSearchList(CashEntryRules& rules, Messages& messages, QWidget* parent);

    // Reads the setting date's records again and shows the list.
    void showList();

  protected:
    void hideEvent(QHideEvent* event) override;

  private:
    void confirm();

    CashEntryRules& rules_;
    Messages& messages_;
    DatasetGrid* grid_ = nullptr;
};

}  // namespace vantir
