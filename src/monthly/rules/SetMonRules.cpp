#include "monthly/rules/SetMonRules.h"

#include "common/rules/ClosingMonthPreset.h"
#include "data/AppState.h"
#include "data/DataModule1.h"
#include "data/DataModule2.h"

namespace vantir {

SetMonRules::SetMonRules(DataModule1& dm1, DataModule2& dm2, const AppState& state,
                         MonthlyAggregation::Progress progress)
    : dm1_(dm1), dm2_(dm2), state_(state), aggregation_(dm1, dm2, std::move(progress)) {}

Result SetMonRules::period(const QString& closingDay, const QString& month) {
    auto values = MonthlyRunValues::read(closingDay, month, dm1_.database().connection(),
                                         dm2_.database().connection());
    if (!values) return Result::notice(values.message);
    last_ = std::move(values.value);
    return Result::success();
}

Leave SetMonRules::closingDayLeft(const QString& closingDay, const QString& month) {
    return period(closingDay, month);
}

Leave SetMonRules::monthLeft(const QString& closingDay, const QString& month) {
    if (month.trimmed().size() < 5) return Leave::Stay;
    return period(closingDay, month);
}

Result SetMonRules::run(const QString& closingDay, const QString& month) {
    if (Result worked = period(closingDay, month); !worked) return worked;
    return aggregation_.run(closingDay, month, state_.WorkingCopyIsArchive);
}

Result SetMonRules::rebuildPurchases() {
    if (!last_) return Result::success();
    return aggregation_.rebuildPurchases(*last_, state_.WorkingCopyIsArchive);
}

}  // namespace vantir
