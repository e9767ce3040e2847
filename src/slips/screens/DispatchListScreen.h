#pragma once

#include <QPointer>

#include "data/HandBacks.h"
#include "platform/dataset/Leave.h"
#include "platform/ui/Screen.h"
#include "slips/rules/DispatchListRules.h"
#include "slips/screens/SearchDialogs.h"

class QComboBox;
class QDateEdit;
class QLineEdit;

namespace vantir {

class PanelList;
class SlipCorrectionScreen;

// The dispatch list (配車一覧): the dispatch-date range, the search kind, value and name,
// "検索実行", "初期化", "日報訂正" and "閉じる", the record bar over HIT1Rep, and eight
// slips at a time in three lines each, edited in place. The receipt date repeats from one
// slip to the next. "日報訂正" shows the inquiry correction made with the list on the
// list's slip. The rules live in DispatchListRules; this only wires the widgets to them.
class DispatchListScreen : public Screen {
    Q_OBJECT

  public:
    static constexpr int kPanelCount = 8;

    // Opens HIT1Rep (throws DbError) and offers the searches' codes as the search value.
    // receiptDate is the run's receipt-date memory; inquiry is the correction opened
    // beside the list. Everything given must outlive the screen.
    DispatchListScreen(DataModule1& data, HandBacks& handBacks, QString& receiptDate,
                       SlipCorrectionScreen& inquiry, SearchDialogs searches, Messages& messages,
                       QWidget* parent = nullptr);

  protected:
    // A slip changed in place is registered before the list closes, as moving to another
    // slip registers it; a refused registration keeps the list open.
    Result closeRefusal() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* makeSearchBar();
    QWidget* makeCommandBar();
    PanelList* makeList();
    DispatchListRules::SearchKind kind() const;
    void kindChanged();
    Leave valueLeft();
    void search();
    void reset();
    void openInquiry();

    DispatchListRules& rules_;
    QPointer<SlipCorrectionScreen> inquiry_;
    SearchDialogs searches_;
    HandBackOffers offers_;
    QDateEdit* from_ = nullptr;
    QDateEdit* to_ = nullptr;
    QComboBox* kind_ = nullptr;
    QLineEdit* value_ = nullptr;
    QLineEdit* name_ = nullptr;
    PanelList* list_ = nullptr;
};

}  // namespace vantir
