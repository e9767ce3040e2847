#pragma once

#include "data/HandBacks.h"
#include "platform/ui/Screen.h"
#include "slips/rules/SlipCorrectionRules.h"
#include "slips/screens/SearchDialogs.h"
#include "slips/screens/SlipCommands.h"

class QLineEdit;

namespace vantir {

class DataModule1;
class HookTargets;
class RecordForm;

// The dispatch slip correction (配車票訂正): the slip-number box, the slip's record form
// shared with the entry, the command buttons (no "F3 追加" button; F3 and the menu still
// append) with the menu "データベース", and the close button. The rules live in
// SlipCorrectionRules; this only wires the widgets to them. Given
// SlipFormDescription::inquiry() it is the inquiry correction the dispatch list opens on
// its slip (showListSlip).
class SlipCorrectionScreen : public Screen {
    Q_OBJECT

  public:
    // Opens nothing; the correction attaches itself to the HITRAN1 hooks and offers the
    // customer and carrier codes to the searches. Everything given must outlive it.
    SlipCorrectionScreen(const SlipFormDescription& description, DataModule1& data,
                         HookTargets& targets, HandBacks& handBacks, SearchDialogs searches,
                         Messages& messages, QWidget* parent = nullptr);

    static inline const QString kNumberBox = QStringLiteral("EditDenNo");
    // The inquiry's control name beside the dispatch list (RepNippo).
    static inline const QString kInquiryName = QStringLiteral("RepNippoEdit");

    // The inquiry: shows the window on the dispatch list's slip (its CODE as stored) with
    // the cursor on the dispatch date; see SlipCorrectionRules::showListSlip.
    void showListSlip(const QString& listCode);

  protected:
    // Closing by the frame with a change pending is refused as "&Q 閉じる" refuses it.
    Result closeRefusal() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QWidget* makeNumberBar();
    void wireNumberBox();
    void appendSlip();

    SlipCorrectionRules& rules_;
    SearchDialogs searches_;
    HandBackOffers offers_;
    SlipCommands commands_;
    RecordForm* form_ = nullptr;
    QLineEdit* number_ = nullptr;
};

}  // namespace vantir
