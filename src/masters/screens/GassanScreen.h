#pragma once

#include <QPointer>

#include "data/HandBacks.h"
#include "masters/rules/GassanRules.h"
#include "platform/dataset/Leave.h"
#include "platform/ui/Screen.h"

class QDialog;
class QLineEdit;
class QPushButton;

namespace vantir {

class DataModule1;
class RecordBar;
class RecordForm;

// The consolidation screens 得意先合算マスタ (GassanE) and 仕入先合算マスタ (GassanS), one
// screen told apart by its side: the selection bar (partner code, its name, "締日", "月度",
// "&S 検索"), the monthly row with its edit bar and its move bar, the panel of the
// partner's running totals with its own bar, "更新 →" (which does nothing) and
// "&Q 閉じる". Enter and Page Down go to the next field, Page Up to the previous one, and
// Enter never reaches a field. A double click on the name shows the side's search and
// waits for it; the code it hands back goes into the code box, which gets the cursor.
class GassanScreen : public Screen {
    Q_OBJECT

  public:
    // search: the side's long-lived search dialog (none: the double click does nothing).
    // Opens both views (throws DbError); the views, registry and messages must outlive
    // the screen.
    GassanScreen(const GassanSide& side, DataModule1& data, HandBacks& handBacks, QDialog* search,
                 Messages& messages, QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* makeSelection();
    QWidget* makeMonthly();
    QWidget* makeMaster();
    QWidget* makeButtons();
    void takeCode(const QString& code);
    Leave codeLeft();

    GassanRules& rules_;
    QPointer<QDialog> search_;
    QLineEdit* code_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* sime_ = nullptr;
    QLineEdit* month_ = nullptr;
    QPushButton* searchButton_ = nullptr;
    RecordForm* monthly_ = nullptr;
    RecordForm* master_ = nullptr;
    // Withdrawn before the widgets the hand-back writes into go.
    HandBackOffers offers_;
};

}  // namespace vantir
