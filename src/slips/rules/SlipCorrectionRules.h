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

// The dispatch slip correction (配車票訂正, mode NippoEdit) without its window: the
// slip-number box that loads one registered slip, the slip rules of the correction
// (SlipRules with SlipFormDescription::correction()), and the buttons the HITRAN1 record
// hooks switch while the mode is NippoEdit.
class SlipCorrectionRules : public HookTarget {
  public:
    static inline const QString kModeName = QStringLiteral("NippoEdit");

    // Attaches itself to targets under NippoEdit.
    SlipCorrectionRules(DataModule1& data, HookTargets& targets, Messages& messages);
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
