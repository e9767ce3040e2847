#pragma once

#include "data/HandBacks.h"
#include "platform/ui/Screen.h"
#include "slips/rules/SlipEntryRules.h"
#include "slips/screens/SearchDialogs.h"
#include "slips/screens/SlipCommands.h"

class QLineEdit;

namespace vantir {

class DataModule1;
class HookTargets;
class RecordForm;
struct AppState;

// The dispatch slip entry (配車票入力): the set-date bar, the slip's record form, the
// command buttons with the same commands in the menu "データベース" and on F1, F9, F3 and
// F12, and the close button. Enter, Page Down and Page Up walk the set-date boxes and
// then the slip; Enter itself never reaches a field. The rules live in SlipEntryRules;
// this only wires the widgets to them.
class SlipEntryScreen : public Screen {
    Q_OBJECT

  public:
    // Opens the views (throws DbError), attaches itself to the HITRAN1 hooks and offers
    // the customer and carrier codes to the searches; everything given must outlive it.
    SlipEntryScreen(DataModule1& data, HookTargets& targets, HandBacks& handBacks,
                    const AppState& state, SearchDialogs searches, Messages& messages,
                    QWidget* parent = nullptr);

  protected:
    // Closing by the frame with a change pending is refused as "&Q 閉じる" refuses it.
    Result closeRefusal() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* makeSetDateBar();
    void wireSetDateBoxes();
    Leave setDateLeft(QLineEdit& box, const SetDateResult& result);
    void appendSlip();
    void openSlipSearch();

    SlipEntryRules& rules_;
    SearchDialogs searches_;
    HandBackOffers offers_;
    SlipCommands commands_;
    RecordForm* form_ = nullptr;
    QLineEdit* year_ = nullptr;
    QLineEdit* month_ = nullptr;
    QLineEdit* day_ = nullptr;
};

}  // namespace vantir
