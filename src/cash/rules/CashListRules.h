#pragma once

#include <QDate>
#include <QString>

#include "cash/rules/CashListQuery.h"
#include "common/rules/NameLookup.h"

namespace vantir {

class DataModule1;

// The receipt list (入金一覧表) and the payment list (支払一覧) without their window: a
// range of the dates the records count on and an optional partner select the records of
// the side's list query, which a later print lists as selected.
class CashListRules {
  public:
    CashListRules(const CashSide& side, DataModule1& data);

    const CashSide& side() const { return list_.side(); }
    QueryDataset& query() const { return list_.query(); }

    // Opens the query with the text it has (the last selection, or its first text);
    // throws DbError.
    void open() { list_.openAsItIs(); }
    void close();

    // The range a list opens with: the whole month before last.
    struct Range {
        QDate from;
        QDate to;
    };
    static Range openingRange(const QDate& today);

    // "&E 実行": the records counting from..to, of the partner when one is given.
    void run(const QDate& from, const QDate& to, const QString& partner);
    // The name of a typed partner code; empty when no partner has it. Throws DbError.
    QString partnerName(const QString& code) const { return names_.nameOf(code); }

  private:
    CashListQuery list_;
    NameLookup names_;
};

}  // namespace vantir
