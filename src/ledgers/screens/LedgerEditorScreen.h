#pragma once

#include "ledgers/rules/LedgerEditorRules.h"
#include "platform/dataset/EventSubscriptions.h"
#include "platform/ui/Screen.h"

class QLineEdit;
class QPushButton;
class QStatusBar;

namespace vantir {

class DataModule1;
class DatasetGrid;
class RecordBar;

// The four ledger editors (売上元帳編集, 仕入元帳編集, 入金台帳編集, 支払台帳編集), one
// screen told apart by its description. The top panel holds "締日", "月度", the code of a
// direct jump, "選択表示", the partner and the top navigator; the grid of the partner's
// lines fills the middle and is typed into in place; the bottom panel holds the total
// boxes, the record bar and "&Q 閉じる"; the status bar tells when there is nothing to
// show. Enter never reaches a field: it walks 締日 → 月度 → code → 選択表示 as Page Down
// does (Page Up goes back), and in the grid it goes on to the next column as Tab does.
class LedgerEditorScreen : public Screen {
    Q_OBJECT

  public:
    // Opens the partner list (throws DbError); the views and messages must outlive the
    // screen. The closing day and month are preset now, and the first partner's lines
    // shown when the screen is first shown.
    LedgerEditorScreen(const LedgerEditorDescription& description, DataModule1& data,
                       Messages& messages, QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* makeSelection();
    QWidget* makeBottom();
    LedgerSelection selection() const;
    void partnerChanged();
    void showTotalsAndHint();

    LedgerEditorRules& rules_;
    QLineEdit* sime_ = nullptr;
    QLineEdit* month_ = nullptr;
    QLineEdit* code_ = nullptr;
    QPushButton* select_ = nullptr;
    DatasetGrid* grid_ = nullptr;
    QList<QLineEdit*> totals_;
    QStatusBar* status_ = nullptr;
    bool linesShown_ = false;
    bool columnsFitted_ = false;
    EventSubscriptions subscriptions_;
};

}  // namespace vantir
