#pragma once

#include <QString>
#include <optional>

#include "data/DataModule1.h"
#include "monthly/rules/MonthlyAggregation.h"
#include "monthly/rules/MonthlyRunValues.h"
#include "platform/dataset/Leave.h"

namespace vantir {

struct AppState;

// The rules of the dialog "月次集計" (mode "SetMon"): the fields' opening values, the
// period rule applied on leaving them, the run, and "btnSirMoto", the purchase-ledger
// rebuild alone for the period last worked out.
class SetMonRules {
  public:
    SetMonRules(DataModule1& dm1, DataModule2& dm2, const AppState& state,
                MonthlyAggregation::Progress progress);

    using Fields = MonthlyOpeningFields;
    Fields opening() { return MonthlyOpeningFields::read(dm1_.database().connection()); }

    // Leaving 締日 or 月度 works out the period (a refusal keeps the cursor with its message);
    // a month shorter than "yy/mm" keeps the cursor in 月度 without one.
    Leave closingDayLeft(const QString& closingDay, const QString& month);
    Leave monthLeft(const QString& closingDay, const QString& month);
    Result run(const QString& closingDay, const QString& month);
    Result rebuildPurchases();

  private:
    Result period(const QString& closingDay, const QString& month);

    DataModule1& dm1_;
    DataModule2& dm2_;
    const AppState& state_;
    MonthlyAggregation aggregation_;
    std::optional<MonthlyRunValues> last_;
};

}  // namespace vantir
