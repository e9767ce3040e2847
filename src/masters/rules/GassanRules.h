#pragma once

#include <QString>

#include "common/rules/NameLookup.h"
#include "masters/rules/GassanSide.h"
#include "platform/dataset/Result.h"

namespace vantir {

class DataModule1;
class TableDataset;

// The consolidation screens without their window: for one partner and one month, the
// monthly row the monthly run stored (HIMAS31 or HIMAS32) and the partner's running totals
// in HIMAS3, both edited in the main database where a post writes at once.
//
// Until the first search both views show nothing. Closing gives the shared views back
// closed and unfiltered.
class GassanRules {
  public:
    // The views must outlive the rules.
    GassanRules(const GassanSide& side, DataModule1& data);

    const GassanSide& side() const { return side_; }
    TableDataset& monthly() const { return monthly_; }  // HIMAS31 / HIMAS32
    TableDataset& master() const { return master_; }    // HIMAS3

    // Opens both views on no row. Throws DbError.
    void open();
    void close();

    // VSIM of the control record (empty when there is none) and the month before today,
    // "yy/mm": the selection as the screen is shown. Throws DbError.
    QString presetClosingDay() const;
    static QString presetMonth();

    // Leaving the code field: two to five characters padded with zeros to six.
    static QString codeLeft(const QString& typed);
    // The partner's name by the side's code; empty when no partner has it. Throws DbError.
    QString nameOf(const QString& code) const;

    // "&S 検索": the monthly row of the partner whose HYMD is the end of the month's closing
    // period, and the partner's master row. A code shorter than six characters and a
    // closing day or month the period cannot be worked out from are refused with their
    // messages, the views left as they were. Throws DbError.
    Result search(const QString& code, const QString& closingDay, const QString& month);

  private:
    void show(TableDataset& view, const QString& filter);

    GassanSide side_;
    DataModule1& data_;
    TableDataset& monthly_;
    TableDataset& master_;
    NameLookup names_;
};

}  // namespace vantir
