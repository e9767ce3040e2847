#pragma once

#include <QString>

#include "data/HookTarget.h"
#include "platform/dataset/Event.h"
#include "platform/dataset/Leave.h"
#include "slips/rules/SlipRules.h"

namespace vantir {

class DataModule1;
class Dataset;
class HookTargets;
class Messages;
class TableDataset;

// The dispatch slip correction (配車票訂正) without its window: the slip-number box
// that loads one registered slip, the slip rules of the correction (SlipRules with
// SlipFormDescription::correction()), and the buttons the HITRAN1 record hooks switch
// while the mode is NippoEdit. With SlipFormDescription::inquiry() it is the inquiry
// correction of the dispatch list: it shows the list's slip, and no hook serves it.
class SlipCorrectionRules : public HookTarget {
  public:
    static inline const QString kModeName = QStringLiteral("NippoEdit");

    // Attaches itself to targets under NippoEdit when the description's buttons follow
    // the hooks.
    SlipCorrectionRules(const SlipFormDescription& description, DataModule1& data,
                        HookTargets& targets, Messages& messages);
    ~SlipCorrectionRules() override;
    SlipCorrectionRules(const SlipCorrectionRules&) = delete;
    SlipCorrectionRules& operator=(const SlipCorrectionRules&) = delete;

    TableDataset& slips() const { return slips_; }  // HITRAN1
    Dataset& billingKinds() const;                  // f_SeikyuK
    Dataset& staff() const;                         // HIMAS2
    SlipRules& slip() { return slip_; }

    // Learns the slip columns without showing a slip: the form shows none until a number
    // is left. Throws DbError.
    void open();
    // Entering the number box puts the slip away so the form shows none. A pending change
    // is cancelled only after the user agreed; false when they kept it (the slip stays).
    bool numberEntered();
    // Leaving the number box loads the slip of exactly that number (an unknown one shows
    // an empty form); an empty box keeps the cursor without a word. With a change the user
    // kept on entering, the slip stays and nothing is loaded. Throws DbError.
    Leave numberLeft(const QString& number);
    // Closes the slips, the billing kinds and the staff master, dropping the slip filter.
    void close();

    // The inquiry shown on the dispatch list's slip (listCode: its CODE as stored, empty
    // for no slip or no number): the number box shows the code read as a whole number (0
    // for none) and the slip with exactly that stored code is loaded, so that a number
    // kept with spaces in front still shows its own slip. A change pending here is kept
    // when the user will not drop it (kept); a code that is not a whole number is refused
    // with the conversion error and loads nothing. Throws DbError.
    struct ListSlip {
        Result refusal = {};
        QString number = {};
        bool kept = false;
    };
    ListSlip showListSlip(const QString& listCode);

    // The record hooks: the command keys follow the slip state.
    void setSlipEditing(bool editing) override { slipEditingChanged(editing); }
    Event<bool> slipEditingChanged;

  private:
    // The slips of exactly that number, with the billing kinds and the staff master.
    void load(const QString& number);

    DataModule1& data_;
    HookTargets& targets_;
    Messages& messages_;
    TableDataset& slips_;
    SlipRules slip_;
};

}  // namespace vantir
