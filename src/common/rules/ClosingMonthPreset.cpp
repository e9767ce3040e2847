#include "common/rules/ClosingMonthPreset.h"

#include "platform/dates/DateText.h"
#include "platform/db/Connection.h"
#include "platform/system/Clock.h"

namespace vantir {

ClosingMonthPreset ClosingMonthPreset::read(Connection& mainDatabase) {
    const QString VSIM =
        mainDatabase.scalar(QStringLiteral("SELECT VSIM FROM S_CONTROL WHERE CODE = '1'"))
            .toString();
    return {VSIM, previousMonth()};
}

QString ClosingMonthPreset::previousMonth() {
    const QDate previous = Clock::today().addMonths(-1);
    return formatYyMm(previous.year(), previous.month());
}

}  // namespace vantir
