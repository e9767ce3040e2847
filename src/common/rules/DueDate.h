#pragma once

#include <QString>

#include "common/rules/DateRuleResult.h"

namespace vantir {

// The two due-date rules of the monthly aggregation. Both give the expected settlement
// date as the "yy/mm/dd" text stored in SHYMD. A closing day above 28 means the month end.
// Sites are counted in steps of 30 days from the closing date, not in calendar months:
// from a month-end closing date a step can pass over a short month.

// A partner's due date: siteDays (SAIT) days after the closing day of month "yy/mm", as
// whole 30-day steps (45 days are one step), landing on the closing day of the month the
// steps reach, or on its last day when the closing day is the month end or the month is
// shorter than the closing day.
DateRuleResult<QString> DueDateBySite(const QString& month, const QString& closingDay,
                                      const QString& siteDays);

// The company's payment date for carriers settled on its own closing day: siteMonths
// (VSIT) 30-day steps after the own closing day (VSIM) of month "yy/mm", on the payment
// day (VYOT, "99" = month end) of the month the steps reach. A payment day the month does
// not have becomes its last day.
DateRuleResult<QString> DueDateByPayDay(const QString& month, const QString& closingDay,
                                        const QString& siteMonths, const QString& payDay);

}  // namespace vantir
