#pragma once

#include <QString>
#include <QVariant>

#include "platform/dataset/Result.h"

namespace vantir {

class QueryDataset;
class TableDataset;

// A master's code column kept unique, as a table keyed by its code would keep it: the
// tables declare no key, so the screens that write codes refuse a code another record
// already has. The count is read with a count statement (Q_Expr) from the table itself.
class UniqueCode {
  public:
    // The views must outlive the check.
    UniqueCode(TableDataset& table, QString column, QueryDataset& count, QString message);
    ~UniqueCode();
    UniqueCode(const UniqueCode&) = delete;
    UniqueCode& operator=(const UniqueCode&) = delete;

    const QString& message() const { return message_; }
    // True when some stored record has the code.
    bool isRegistered(const QString& code) const;
    // Before the record is posted: refused, naming the column, when its code (a new
    // record's, or a changed one) is already another record's. An empty code is no code.
    Result check() const;

  private:
    TableDataset& table_;
    QString column_;
    QueryDataset& count_;
    QString message_;
    // The stored code of the record being changed; NULL for a new record.
    QVariant codeBeforeEdit_;
    int afterEdit_ = 0;
    int afterInsert_ = 0;
};

}  // namespace vantir
