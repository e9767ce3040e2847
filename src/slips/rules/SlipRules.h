#pragma once

#include <QString>

#include "common/rules/NameLookup.h"
#include "common/rules/NextNumber.h"
#include "platform/dataset/EventSubscriptions.h"
#include "platform/dataset/Leave.h"
#include "platform/dataset/Result.h"
#include "slips/rules/PreviousSlip.h"
#include "slips/rules/SlipFormDescription.h"

namespace vantir {

class DataModule;
class Dataset;
class Messages;

// The enter and leave logic of a slip form and its commands, without a window: the date
// default, slip numbering, billing kind and billing date, the remembered fields, code
// zero-fill and name lookups, the staff name that follows every change of TANCOD, the
// amount defaults, the carrier total and registering. The slip entry and the correction
// screens share it, told apart by their SlipFormDescription.
//
// Every rule returns what the user is to be told (a refused Result, a Leave) or throws
// DbError; the screen shows it. What the user typed is kept either way.
class SlipRules {
  public:
    // slips (HITRAN1), data and messages must outlive the rules.
    SlipRules(Dataset& slips, DataModule& data, const SlipFormDescription& description,
              Messages& messages);
    SlipRules(const SlipRules&) = delete;
    SlipRules& operator=(const SlipRules&) = delete;

    Dataset& slips() const { return slips_; }
    const SlipFormDescription& description() const { return description_; }
    const PreviousSlip& previousSlip() const { return previous_; }

    // The date new slips are dated with ("yy/mm/dd"); empty while none is set.
    void setSetDate(const QString& date) { setDate_ = date; }
    const QString& setDate() const { return setDate_; }

    // --- Enter logic ------------------------------------------------------------------
    Result dateEntered(const QString& column);  // HYMD, THYMD: the set date when NULL
    Result codeEntered() const;                 // CODE: the next slip number when NULL

    // --- Leave logic ------------------------------------------------------------------
    Result billingKindLeft();  // SEKBN: "0" when NULL; DDAY from HYMD or THYMD
    // HATTI, THTTI, TON, BIKO: an empty field repeats the previous slip; with nothing
    // remembered the cursor stays without a word.
    Leave rememberedLeft(const QString& column);
    Leave customerCodeLeft();                  // KCODE: remembered, zero-filled, KNAME looked up
    Leave carrierCodeLeft();                   // YCODE: remembered, zero-filled, YNAME looked up
    Leave staffCodeLeft();                     // TANCOD: remembered, TANMEI looked up
    Result amountLeft(const QString& column);  // YKING SKING UHIYO INKING INSKING: NULL -> 0
    Result purchaseCostLeft();                 // SHIYO: NULL -> 0, then the carrier total

    // A code handed back by the customer or carrier search (KCODE or YCODE): the slip is
    // put into edit mode and the code written; its leave logic runs when the user moves on.
    Result codeHandedBack(const QString& column, const QString& code);

    // --- Commands ---------------------------------------------------------------------
    // F1: the carrier total as the description says, the previous-slip memory, the post.
    // A post the database refuses comes back refused with the slip still being edited
    // (and the memory already holding it).
    Result registerSlip();
    void cancelSlip();  // F9
    void appendSlip();  // F3: a new empty slip
    Result deleteSlip();  // F12: after "削除してよろしいですか？"; Yes deletes the slip shown
    // A slip being entered or changed, not yet registered or cancelled.
    bool changePending() const;
    // Closing is refused with the notice to register or cancel while a change is pending.
    Result closeRefusal() const;

  private:
    bool hasRecord() const;
    Leave remembered(const QString& column);
    Leave lookedUp(const QString& column, const NameLookup& lookup, const QString& nameColumn);
    qint64 amount(const QString& column) const;

    Dataset& slips_;
    SlipFormDescription description_;
    Messages& messages_;
    NextNumber numbering_;
    NameLookup customers_;
    NameLookup carriers_;
    NameLookup staff_;
    PreviousSlip previous_;
    QString setDate_;
    EventSubscriptions subscriptions_;
};

}  // namespace vantir
