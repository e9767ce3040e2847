#pragma once

#include <functional>

#include "cash/rules/CashListRules.h"
#include "data/HandBacks.h"
#include "platform/ui/Screen.h"

class QDateEdit;
class QLineEdit;

namespace vantir {

class PanelList;

// The receipt list (入金一覧表) and its twin, the payment list (支払一覧): the range of
// the dates the records count on, the partner's code and name, "&E 実行" and the close
// button over a read-only list of nine records at a time.
class CashListScreen : public Screen {
    Q_OBJECT

  public:
    using OpenScreen = std::function<void(const QString& name)>;

    // Opens the list query (throws DbError); everything passed must outlive the screen.
    CashListScreen(const CashSide& side, DataModule1& data, HandBacks& handBacks,
                   Messages& messages, OpenScreen openScreen, QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* makeTopPanel();
    PanelList* makeList();

    CashListRules& rules_;
    OpenScreen openScreen_;
    QDateEdit* from_ = nullptr;
    QDateEdit* to_ = nullptr;
    QLineEdit* code_ = nullptr;
    QLineEdit* name_ = nullptr;
    HandBackOffers offers_;
};

}  // namespace vantir
