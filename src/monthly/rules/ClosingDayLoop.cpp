#include "monthly/rules/ClosingDayLoop.h"

#include "common/rules/DateRuleInput.h"

namespace vantir {

QStringList ClosingDayLoop::visits(const QString& month) {
    const std::optional<RuleMonth> read = readRuleMonth(month);
    const bool february = read && read->month == 2;
    const int last = february ? 28 : 29;
    QStringList days;
    for (int day = 1; day <= last; ++day) days.append(twoDigitText(day));
    days.append(QStringLiteral("99"));
    return days;
}

}  // namespace vantir
