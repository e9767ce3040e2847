#pragma once

#include <QString>

#include "common/rules/DateRuleResult.h"

namespace vantir {

// The first day of the fiscal year that holds month "yy/mm", from the control record's
// fiscal closing month VKETU ("01".."12") and own closing day VSIM ("99" = month end):
// the day after the own closing day in the month after the fiscal closing month.
DateRuleResult<QString> fiscalYearStart(const QString& month, const QString& VKETU,
                                        const QString& VSIM);

}  // namespace vantir
