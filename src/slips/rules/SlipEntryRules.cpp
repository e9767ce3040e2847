#include "slips/rules/SlipEntryRules.h"

#include "data/AppState.h"
#include "data/DataModule1.h"
#include "data/HookTargets.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/dataset/TableDataset.h"
#include "platform/db/DbError.h"
#include "platform/db/SqlQuote.h"

namespace vantir {

SlipEntryRules::SlipEntryRules(DataModule1& data, HookTargets& targets, const AppState& state,
                               Messages& messages)
    : data_(data),
      targets_(targets),
      state_(state),
      slips_(data.table(QStringLiteral("HITRAN1"))),
      slip_(slips_, data, SlipFormDescription::entry(), messages),
      bar_(SetDateBar::Checks::Slip, messages) {
    targets_.attach(kModeName, *this);
}

SlipEntryRules::~SlipEntryRules() { targets_.detach(kModeName, *this); }

Dataset& SlipEntryRules::billingKinds() const { return data_.view(QStringLiteral("f_SeikyuK")); }
Dataset& SlipEntryRules::staff() const { return data_.view(QStringLiteral("HIMAS2")); }

void SlipEntryRules::open() {
    try {
        billingKinds().open();
        staff().open();
        // The view is shared: a filter another screen left on it must not hide slips.
        slips_.setFiltered(false);
        slips_.setFilter(QString());
        slips_.open();
        slips_.last();
    } catch (const DbError&) {
        close();
        throw;
    }
    const std::optional<SetDateBoxes> picked = SetDateBar::boxesOfPickedDate(state_.EditDate);
    openingBoxes_ = picked.value_or(SetDateBoxes{});
    slip_.setSetDate(picked ? state_.EditDate : QString());
}

void SlipEntryRules::close() {
    slips_.close();
    slips_.setFiltered(false);
    slips_.setFilter(QString());
    billingKinds().close();
    staff().close();
}

SetDateResult SlipEntryRules::dayLeft(const SetDateBoxes& boxes) {
    const SetDateResult result = bar_.dayLeft(boxes, slip_.changePending());
    if (result.cancelPendingChange) slip_.cancelSlip();
    if (result.action == SetDateResult::Action::NewSetDate) {
        slip_.setSetDate(result.setDate);
        slips_.replaceFilter(result.filter);
    }
    return result;
}

QStringList SlipEntryRules::slipSearchSql() const {
    return {QStringLiteral("SELECT * FROM HITRAN1"),
            QStringLiteral("WHERE HYMD = ") + sqlQuote(slip_.setDate()),
            QStringLiteral("ORDER BY CODE DESC")};
}

void SlipEntryRules::prepareSlipSearch() {
    data_.query(QStringLiteral("Q_HIT1SK")).setSql(slipSearchSql());
}

}  // namespace vantir
