#pragma once

#include <QString>

#include "cash/rules/CashSide.h"
#include "common/rules/NameLookup.h"
#include "common/rules/NextNumber.h"
#include "common/rules/SetDateBar.h"
#include "platform/dataset/Leave.h"

namespace vantir {

class DataModule1;
class Messages;
class QueryDataset;
class TableDataset;

// The receipt entry (入金伝表) and the payment entry (下払伝票) without their window: the
// day's records of the side's table under the setting date, and the rules that run as
// the cursor passes through the fields. The setting date belongs to the side, not to the
// screen: it is kept by the caller from one opening to the next.
class CashEntryRules {
  public:
    // data, messages and settingDate must outlive the rules. workingDate: the main
    // window's calendar date, which replaces the setting date when it is not empty.
    CashEntryRules(const CashSide& side, DataModule1& data, Messages& messages,
                   QString& settingDate, const QString& workingDate);

    const CashSide& side() const { return side_; }
    TableDataset& table() const { return table_; }
    QueryDataset& kinds() const { return kinds_; }    // f_SeikyuK
    TableDataset& staff() const { return staff_; }    // HIMAS2, for the staff list
    QueryDataset& search() const { return search_; }  // Q_HIT2SK / Q_HIT3SK
    const QString& settingDate() const { return settingDate_; }

    // Opens the table, the kind list and the staff list; throws DbError.
    void open();
    void close();

    // The date bar's boxes for the setting date (empty boxes when there is none yet).
    SetDateBoxes boxes() const;
    // Leaving a box of the date bar. A valid day makes the setting date and filters the
    // table to it ("HYMD = 'yy/mm/dd'"); the caller puts the cursor on HYMD then.
    SetDateResult yearLeft(const QString& year) { return bar_.yearLeft(year); }
    SetDateResult monthLeft(const QString& month) { return bar_.monthLeft(month); }
    SetDateResult dayLeft(const SetDateBoxes& boxes);

    // Entering HYMD or THYMD: a NULL (or rubbed-out) date becomes the setting date.
    Result dateEntered(const QString& column);
    // Entering CODE: the next number when CODE is NULL. Throws DbError.
    Result codeEntered();
    // Leaving CODE: a receipt without a number may not be left; a payment may.
    Leave codeLeft() const;
    // Leaving SEKBN: a NULL (or rubbed-out) kind becomes "0", and DDAY follows the kind: HYMD for
    // "0", THYMD for any other kind.
    Result kindLeft();
    // Leaving the partner code: zero-filled, then the partner's name. Throws DbError.
    Result partnerCodeLeft();
    // Every change of the staff code, typed or shown with another record: the current
    // staff name when there is one. Throws DbError.
    Result staffCodeChanged();
    // The partner search's choice: the code into the record (edit mode); the name follows
    // when the code field is left.
    Result partnerChosen(const QString& code);

    // The search list: the setting date's records, newest number first; opened.
    void openSearch();
    // "確定" on a record of the search list: the table shows that record alone.
    void chooseFromSearch(const QString& code);

  private:
    bool isBlank(const QString& column) const;
    void filterTable(const QString& filter);

    const CashSide& side_;
    QString& settingDate_;
    TableDataset& table_;
    QueryDataset& kinds_;
    TableDataset& staff_;
    QueryDataset& search_;
    SetDateBar bar_;
    NextNumber numbers_;
    NameLookup partner_;
    NameLookup staffNames_;
};

}  // namespace vantir
