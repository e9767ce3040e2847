#include "common/rules/FiscalYearStart.h"

#include "common/rules/DateRuleInput.h"
#include "common/rules/DateRuleMessages.h"
#include "platform/dates/DateText.h"

namespace vantir {

namespace {

constexpr int kDecember = 12;
constexpr int kMonthEnd = 99;

}  // namespace

DateRuleResult<QString> fiscalYearStart(const QString& month, const QString& VKETU,
                                        const QString& VSIM) {
    using Result = DateRuleResult<QString>;
    if (month.trimmed().isEmpty()) return Result::refused(dateRuleMessage::enterClosingDayOrMonth);
    const std::optional<RuleMonth> ruleMonth = readRuleMonth(month);
    if (!ruleMonth) return Result::refused(dateRuleMessage::month);
    const std::optional<int> fiscalMonth = readRuleNumber(VKETU, 2);
    if (!fiscalMonth || *fiscalMonth < 1 || *fiscalMonth > kDecember) {
        return Result::refused(dateRuleMessage::fiscalMonth);
    }
    const std::optional<int> ownClosingDay = readRuleNumber(VSIM, 2);
    if (!ownClosingDay || *ownClosingDay < 1)
        return Result::refused(dateRuleMessage::ownClosingDay);

    QString startYear = ruleMonth->yy;
    QString startMonth = QStringLiteral("01");
    if (*fiscalMonth != kDecember) {
        startMonth = twoDigitNext(twoDigitText(*fiscalMonth));
        // The fiscal closing month itself still belongs to the year that began last year.
        if (*fiscalMonth >= ruleMonth->month) startYear = twoDigitPrevious(ruleMonth->yy);
    }
    const QString startDay = *ownClosingDay == kMonthEnd
                                 ? QStringLiteral("01")
                                 : twoDigitNext(twoDigitText(*ownClosingDay));
    return Result::of(startYear + u'/' + startMonth + u'/' + startDay);
}

}  // namespace vantir
