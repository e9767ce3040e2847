#pragma once

#include <QString>
#include <QStringList>
#include <optional>

#include "common/rules/SetDateBar.h"
#include "data/HookTarget.h"
#include "platform/dataset/Event.h"
#include "slips/rules/SlipRules.h"

namespace vantir {

class DataModule1;
class Dataset;
class HookTargets;
class Messages;
class TableDataset;
struct AppState;

// The dispatch slip entry (配車票入力, mode NippoInp) without its window: the set-date
// bar with its questions and the slip table filtered to the set date, the slip rules of
// the entry (SlipRules with SlipFormDescription::entry()), the slip search's query, and
// the buttons the HITRAN1 record hooks switch while the mode is NippoInp.
class SlipEntryRules : public HookTarget {
  public:
    static inline const QString kModeName = QStringLiteral("NippoInp");
    // The long-lived search dialogs the screen opens.
    static inline const QString kSlipSearch = QStringLiteral("SlipSearch");
    static inline const QString kCustomerSearch = QStringLiteral("CustomerSearch");
    static inline const QString kCarrierSearch = QStringLiteral("CarrierSearch");

    // Attaches itself to targets under NippoInp; everything given must outlive it.
    SlipEntryRules(DataModule1& data, HookTargets& targets, const AppState& state,
                   Messages& messages);
    ~SlipEntryRules() override;
    SlipEntryRules(const SlipEntryRules&) = delete;
    SlipEntryRules& operator=(const SlipEntryRules&) = delete;

    // Opens the billing kinds, the staff master and the slips on their last slip, all
    // slips shown until the day box is left; the set date is the picked date of the main
    // window when there is one. Throws DbError.
    void open();
    // Closes what open() opened, dropping a pending change and the set-date filter.
    void close();

    TableDataset& slips() const { return slips_; }  // HITRAN1
    Dataset& billingKinds() const;                  // f_SeikyuK
    Dataset& staff() const;                         // HIMAS2
    SlipRules& slip() { return slip_; }

    // --- The set-date bar -------------------------------------------------------------
    // The boxes as the screen opens: filled from the main window's picked date.
    const SetDateBoxes& openingBoxes() const { return openingBoxes_; }
    const QString& setDate() const { return slip_.setDate(); }
    SetDateResult yearLeft(const QString& year) { return bar_.yearLeft(year); }
    SetDateResult monthLeft(const QString& month) { return bar_.monthLeft(month); }
    // The day box: the questions, the pending change cancelled when the user agreed, and
    // for a new set date the slips narrowed to it in one reading of the table.
    SetDateResult dayLeft(const SetDateBoxes& boxes);

    // The slip search's query (Q_HIT1SK): the slips of the set date, newest number first.
    QStringList slipSearchSql() const;
    void prepareSlipSearch();

    // The record hooks: the command keys follow the slip state.
    void setSlipEditing(bool editing) override { slipEditingChanged(editing); }
    Event<bool> slipEditingChanged;

  private:
    DataModule1& data_;
    HookTargets& targets_;
    const AppState& state_;
    TableDataset& slips_;
    SlipRules slip_;
    SetDateBar bar_;
    SetDateBoxes openingBoxes_;
};

}  // namespace vantir
