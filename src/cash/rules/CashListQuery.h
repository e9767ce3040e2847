#pragma once

#include <QString>
#include <QStringList>

#include "cash/rules/CashSide.h"

namespace vantir {

class DataModule1;
class QueryDataset;

// The list query of a side (Q_HIT2R / Q_HIT3R), which the list screen narrows with
// "&E 実行" and the printed list prints as it stands: the text set last stays for the
// rest of the run.
class CashListQuery {
  public:
    CashListQuery(const CashSide& side, DataModule1& data);

    const CashSide& side() const { return side_; }
    QueryDataset& query() const { return query_; }

    // The records counting from since to until ("yy/mm/dd", compared as text), of one
    // partner when partner is not empty, in no particular order.
    static QStringList selectionSql(const CashSide& side, const QString& since,
                                    const QString& until, const QString& partner);
    // Replaces the text by that selection and opens it; throws DbError.
    void select(const QString& since, const QString& until, const QString& partner);
    // Opens the query with the text it has, every partner shown; throws DbError.
    void openAsItIs();
    // Only the partners whose code lies from..to (text comparison, both ends included);
    // both empty: every partner. Throws DbError.
    void narrowToCodes(const QString& from, const QString& to);

  private:
    const CashSide& side_;
    QueryDataset& query_;
};

}  // namespace vantir
