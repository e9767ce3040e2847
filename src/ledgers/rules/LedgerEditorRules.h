#pragma once

#include <QList>
#include <QString>

#include "common/rules/ClosingPeriod.h"
#include "ledgers/rules/LedgerEditorDescription.h"
#include "platform/dataset/Event.h"
#include "platform/dataset/EventSubscriptions.h"
#include "platform/dataset/Result.h"

namespace vantir {

class DataModule1;
class QueryDataset;
class TableDataset;

// What the boxes of a ledger editor's selection bar hold when a rule runs.
struct LedgerSelection {
    QString closingDay;  // EditSime
    QString month;       // EditTsuki, "yy/mm"
    QString directCode;  // Edit1, the partner code typed for a direct jump
};

// A ledger editor without its window: the partner list Q_HIM3 with its current partner,
// and the partner's lines of the month's closing period in the side's ledger table of the
// main database, narrowed by a record filter and edited in place. The totals and the hint
// are those of the lines shown and follow every post and delete.
//
// A selection without lines leaves the ledger closed: the grid is empty, the totals 0 and
// the hint "該当するデータがありません。". A refused selection (its range cannot be worked
// out) changes nothing.
class LedgerEditorRules {
  public:
    static const QString& noDataHint();

    // The views must outlive the rules.
    LedgerEditorRules(const LedgerEditorDescription& description, DataModule1& data);

    const LedgerEditorDescription& description() const { return description_; }
    QueryDataset& partners() const { return partners_; }  // Q_HIM3
    TableDataset& ledger() const { return ledger_; }      // the side's ledger table

    // The partner list, every partner in code order whatever another screen left in the
    // shared statement, on its first partner; the ledger closed. Throws DbError.
    void open();
    // Both closed, the ledger unfiltered.
    void close();

    // The closing day and month the screen opens with. Throws DbError.
    LedgerSelection opening() const;

    // The partner list's current partner changed (the screen opening, the navigator): its
    // lines. Throws DbError.
    Result partnerChanged(const LedgerSelection& selection);
    // "選択表示": the lines of the typed code, and the partner list moved to the first
    // partner with that code. Throws DbError.
    Result selectAndDisplay(const LedgerSelection& selection);
    // Leaving the month box: the lines of the typed code, or of the current partner when
    // none is typed; the list moved only to a typed code. Throws DbError.
    Result monthLeft(const LedgerSelection& selection);

    // The sums of the description's total columns over the lines shown; 0 without lines.
    const QList<qint64>& totals() const { return totals_; }
    // What the status bar tells; empty while the selection has lines and its partner.
    const QString& hint() const { return hint_; }
    // The totals or the hint changed.
    Event<> shownChanged;

  private:
    QString currentPartner() const;
    Result select(const LedgerSelection& selection, const QString& code, bool movePartners);
    void show(const QString& code, const ClosingPeriod& range);
    qint64 readTotals();
    void totalsAfterChange();

    const LedgerEditorDescription& description_;
    DataModule1& data_;
    QueryDataset& partners_;
    TableDataset& ledger_;
    QString shownCode_;
    ClosingPeriod shownRange_;
    bool selected_ = false;
    QList<qint64> totals_;
    QString hint_;
    EventSubscriptions subscriptions_;
};

}  // namespace vantir
