#include "common/rules/DateRuleInput.h"

#include "common/rules/DateRuleMessages.h"
#include "platform/dates/DateText.h"

namespace vantir {

std::optional<RuleMonth> readRuleMonth(const QString& text) {
    RuleMonth month;
    if (!parseYyMm(text.trimmed(), &month.year, &month.month)) return std::nullopt;
    const QString formatted = formatYyMm(month.year, month.month);
    month.yy = formatted.left(2);
    month.mm = formatted.right(2);
    return month;
}

std::optional<int> readRuleNumber(const QString& text, int maxDigits) {
    const QString trimmed = text.trimmed();
    if (trimmed.isEmpty() || trimmed.size() > maxDigits) return std::nullopt;
    int value = 0;
    for (const QChar ch : trimmed) {
        if (ch < u'0' || ch > u'9') return std::nullopt;
        value = value * 10 + (ch.unicode() - u'0');
    }
    return value;
}

DateRuleResult<ClosingMonth> readClosingMonth(const QString& closingDay, const QString& month,
                                              const QString& closingDayMessage) {
    using Result = DateRuleResult<ClosingMonth>;
    if (closingDay.trimmed().isEmpty() || month.trimmed().isEmpty()) {
        return Result::refused(dateRuleMessage::enterClosingDayOrMonth);
    }
    const std::optional<RuleMonth> ruleMonth = readRuleMonth(month);
    if (!ruleMonth) return Result::refused(dateRuleMessage::month);
    const std::optional<int> day = readRuleNumber(closingDay, 2);
    if (!day || *day < 1) return Result::refused(closingDayMessage);
    return Result::of({*ruleMonth, *day});
}

QString twoDigitText(int value) { return QStringLiteral("%1").arg(value, 2, 10, QLatin1Char('0')); }

}  // namespace vantir
