#include "monthly/rules/MonthlyReportHeader.h"

#include "common/printing/PrintSelection.h"

namespace vantir::monthlyReportHeader {

QString month(const PrintSelection& selection) { return selection.month.trimmed(); }

ClosingPeriod period(const PrintSelection& selection) {
    QString closingDay = selection.sime.trimmed();
    if (closingDay.size() == 1) closingDay.prepend(u'0');
    const auto period = closingPeriod(closingDay, selection.month);
    return period ? *period.value : ClosingPeriod{};
}

ClosingPeriod subPeriod(const ClosingPeriod& period, const QString& choice) {
    const QString month = period.end.left(6);  // "yy/mm/"
    if (choice == u"1") return {period.start, month + QStringLiteral("10")};
    if (choice == u"2") return {month + QStringLiteral("11"), month + QStringLiteral("20")};
    if (choice == u"3") return {month + QStringLiteral("21"), period.end};
    return period;
}

QString dateRange(const ClosingPeriod& period) {
    return QStringLiteral("日付範囲 ") + period.start + QStringLiteral(" ～ ") + period.end;
}

QString closingDay(const QString& closingDay) {
    return closingDay == u"99" ? QStringLiteral("末締") : closingDay + QStringLiteral("日締");
}

QString closingFlag(const QString& choice) {
    return choice == u"1" ? QStringLiteral("自社締日") : QStringLiteral("相手先締日");
}

QString ledgerMonth(const QString& month) { return month + QStringLiteral("月分"); }

}  // namespace vantir::monthlyReportHeader
