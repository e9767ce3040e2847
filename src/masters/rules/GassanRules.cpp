#include "masters/rules/GassanRules.h"

#include "common/rules/ClosingMonthPreset.h"
#include "common/rules/ClosingPeriod.h"
#include "common/rules/CodeZeroFill.h"
#include "data/DataModule1.h"
#include "platform/dataset/TableDataset.h"
#include "platform/db/SqlQuote.h"

namespace vantir {

GassanRules::GassanRules(const GassanSide& side, DataModule1& data)
    : side_(side),
      data_(data),
      monthly_(data.table(side.monthlyTable)),
      master_(data.table(QStringLiteral("HIMAS3"))),
      names_(data, side.nameLookup) {}

void GassanRules::open() {
    // No partner chosen yet: an empty code matches no row.
    const QString none = side_.codeColumn + QStringLiteral(" = ''");
    show(monthly_, none);
    show(master_, none);
}

void GassanRules::close() {
    for (TableDataset* view : {&monthly_, &master_}) {
        view->close();
        view->setFiltered(false);
        view->setFilter(QString());
    }
}

QString GassanRules::presetClosingDay() const {
    return ClosingMonthPreset::read(data_.database().connection()).closingDay;
}

QString GassanRules::presetMonth() { return ClosingMonthPreset::previousMonth(); }

QString GassanRules::codeLeft(const QString& typed) { return zeroFilledCode(typed); }

QString GassanRules::nameOf(const QString& code) const { return names_.nameOf(code); }

Result GassanRules::search(const QString& code, const QString& closingDay, const QString& month) {
    if (code.size() < kPartnerCodeLength) return Result::notice(side_.shortCodeMessage);
    const DateRuleResult<ClosingPeriod> period = closingPeriod(closingDay, month);
    if (!period) return Result::notice(period.message);
    const QString partner = side_.codeColumn + QStringLiteral(" = ") + sqlQuote(code);
    show(monthly_, partner + QStringLiteral(" AND HYMD = ") + sqlQuote(period.value->end));
    show(master_, partner);
    return Result::success();
}

void GassanRules::show(TableDataset& view, const QString& filter) {
    view.close();
    view.setFilter(filter);
    view.setFiltered(true);
    view.open();
}

}  // namespace vantir
