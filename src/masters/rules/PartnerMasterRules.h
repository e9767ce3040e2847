#pragma once

#include <QString>
#include <QVariant>
#include <optional>

#include "data/HookTarget.h"
#include "masters/rules/UniqueCode.h"
#include "platform/dataset/Event.h"
#include "platform/dataset/EventSubscriptions.h"
#include "platform/dataset/Leave.h"
#include "platform/dataset/Result.h"

namespace vantir {

class DataModule1;
class Dataset;
class HookTargets;
class QueryDataset;
class TableDataset;

// The partner master (取引先マスタ, mode Tokui_mas) without its window: the enter and
// leave logic of its fields, the list of partners with its filter, and the record form
// tied to the partner picked in the list. The form edits HIMAS3, the list is Q_HIM3.
//
// It is the screen the HIMAS3 record hooks serve under Tokui_mas: they keep its
// new-record mark, "1" from the insertion of a partner until it is posted or cancelled,
// which is how a new partner is told from a changed one.
//
// Every operation returns what the user is to be told (a refused Result, a Leave) or
// throws DbError; the screen shows it. What the user typed is kept either way.
class PartnerMasterRules : public HookTarget {
  public:
    static inline const QString kModeName = QStringLiteral("Tokui_mas");

    // The items of the list filter ComboBox1.
    enum ListFilter { AllPartners = 0, Customers = 1, Carriers = 2 };

    // Attaches itself to targets under Tokui_mas; the views and targets must outlive it.
    PartnerMasterRules(DataModule1& data, HookTargets& targets);
    ~PartnerMasterRules() override;
    PartnerMasterRules(const PartnerMasterRules&) = delete;
    PartnerMasterRules& operator=(const PartnerMasterRules&) = delete;

    // Opens the partners in code order, the list of all of them, the branches and the two
    // code lists; the form shows the first partner. Throws DbError.
    void open();
    // Closes what open() opened, dropping a pending edit.
    void close();

    TableDataset& partners() const { return partners_; }  // HIMAS3, the record form
    QueryDataset& list() const { return list_; }          // Q_HIM3
    Dataset& branches() const;                            // HIMAS1
    Dataset& siteFlags() const;                           // f_siteF
    Dataset& depositKinds() const;                        // f_YokinF

    // The new-record mark (EditName), set by the HIMAS3 hooks.
    QString newRecordMark() const override { return mark_; }
    void setNewRecordMark(const QString& mark) override;
    bool isNewRecord() const { return mark_ == QLatin1String("1"); }
    Event<const QString&> newRecordMarkChanged;

    // --- Enter and leave logic of the form's fields ------------------------------------
    // A code that cannot be filled is refused with a notice and keeps the cursor.
    Result kindLeft();          // KY_KBN: kind "0" (both) when left empty
    Leave customerCodeLeft();   // KCODE: zero-fill, then the duplicate check
    void carrierCodeEntered();  // YCODE: a new partner's carrier code is its KCODE
    Result carrierCodeLeft();   // YCODE: zero-fill
    // SIME: "01" to "28" or "99" (month end); anything else typed is refused with a
    // message naming them. A closing day already stored is kept as it is.
    Result closingDayLeft();
    void siteFlagEntered();  // SIMEFLG: "2" (normal) when NULL

    // --- The record bar -----------------------------------------------------------------
    // Before any command runs: codes are never stored as empty text, only as NULL.
    void recordBarEntered();
    // Before the bar posts, however the post was asked for (a click, an accelerator key):
    // the codes as above; a closing day as above; a customer code another partner has is
    // refused; the partner is remembered so that the form shows it after.
    Result beforePost();
    // After a command: the list is read again and its cursor put on the form's partner.
    void recordBarLeft();

    // --- The list -----------------------------------------------------------------------
    ListFilter listFilter() const { return listFilter_; }
    // A new choice in the filter box: the list is read again and the form shows its first
    // partner. Refused, with the list as it was, when a pending change may not be posted.
    Result setListFilter(ListFilter filter);
    // The list's current row was picked: the form shows that partner (refused likewise).
    Result listRowPicked();

  private:
    bool hasRecord() const;
    void storeEmptyCodesAsNull();
    Result pendingChangeMayBePosted();
    Result zeroFill(const QString& column);
    Result checkClosingDay() const;
    void rememberStoredClosingDay();
    void reopenList();
    void showPartner(const QVariant& code);
    void showPartnerOfListRow();
    void followPostedPartner();

    DataModule1& data_;
    HookTargets& targets_;
    TableDataset& partners_;
    QueryDataset& list_;
    UniqueCode customerCode_;
    QString mark_;
    ListFilter listFilter_ = AllPartners;
    // The customer code of the partner the bar is posting, for the form to follow it.
    std::optional<QVariant> postedCode_;
    bool showingPartner_ = false;
    QVariant storedClosingDay_;  // SIME of the shown partner as stored; NULL for a new one
    EventSubscriptions subscriptions_;
};

}  // namespace vantir
