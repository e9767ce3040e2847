#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include "common/rules/NameLookup.h"
#include "platform/dataset/Result.h"

namespace vantir {

class DataModule1;
class QueryDataset;
class TableDataset;

// The dispatch list (配車一覧, mode RepNippo) without its window: the registered slips of
// HIT1Rep in the text order of their numbers, narrowed by a dispatch-date range and a
// customer, carrier, vehicle or slip number; the search value's zero-fill and name; and
// the receipt-date quick entry, whose memory belongs to the run rather than to the list.
//
// Every search narrows the view with one reading of its row ids; the values of a slip are
// read only when a panel shows it, so a year of slips opens, searches and scrolls at once.
class DispatchListRules {
  public:
    static inline const QString kModeName = QStringLiteral("RepNippo");

    // The search kinds in the order of the kind box.
    enum class SearchKind { Customer, Carrier, Vehicle, SlipNumber };
    static QStringList searchKindItems();  // "得意先", "傭車先", "車番", "伝票番号"
    // The name box stands beside the value for a customer or a carrier.
    static bool hasName(SearchKind kind);

    // receiptDate: the receipt-date memory, kept by the caller for the whole run (empty at
    // the start of the run). data and receiptDate must outlive the rules.
    DispatchListRules(DataModule1& data, QString& receiptDate);

    TableDataset& slips() const { return slips_; }  // HIT1Rep

    // Opens HIT1Rep on every slip, whatever filter another screen left; throws DbError.
    void open();
    void close();

    // The range a list opens with: the previous calendar month.
    struct Range {
        QDate from;
        QDate to;
    };
    static Range openingRange(const QDate& today);

    // Leaving the search value: a customer or carrier code of two to five characters is
    // filled with "0" to six, and its partner's name read (empty when none has it); the
    // other kinds have no name. Throws DbError.
    struct SearchValue {
        QString value;
        QString name;
    };
    SearchValue searchValueLeft(SearchKind kind, const QString& value) const;

    // "検索実行": the slips dispatched from..to of the value's partner or vehicle, every
    // slip of the range for an empty value, or the slip of that number whatever its date.
    // A number no slip has is looked for again right-aligned to six characters with
    // spaces, as numbers were once keyed. A change pending in the list is registered
    // first. Throws DbError.
    void search(SearchKind kind, const QDate& from, const QDate& to, const QString& value);
    // The record filter of that search.
    QString searchFilter(SearchKind kind, const QDate& from, const QDate& to,
                         const QString& value) const;
    // "初期化": every slip again. Throws DbError.
    void reset();

    // Entering a slip's CHKDAY while the memory holds a date writes it into the slip,
    // whatever CHKDAY held; leaving CHKDAY keeps its value (an empty one too, which ends
    // the repeating).
    Result receiptDateEntered();
    void receiptDateLeft();
    const QString& receiptDate() const { return receiptDate_; }

    // The current slip's CODE as stored; empty for an empty list or a slip without one.
    QString currentCode() const;
    // A change pending in the list registered, as moving to another slip would; the
    // refusal of the post when the database refuses it.
    Result registerPending();

  private:
    bool slipNumberExists(const QString& number) const;

    TableDataset& slips_;
    QueryDataset& count_;
    NameLookup customers_;
    NameLookup carriers_;
    QString& receiptDate_;
};

}  // namespace vantir
