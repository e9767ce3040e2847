#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include "common/rules/ClosingMonthPreset.h"
#include "common/rules/DateRuleResult.h"

namespace vantir {

class Connection;

// Tax on an amount at a rate in whole percent, truncated toward zero, as the monthly work
// and its reports figure it: INT(amount × rate / 100).
inline qint64 truncatedTax(qint64 amount, qint64 taxRate) { return amount * taxRate / 100; }

// What a dialog of the monthly work opens with: VSIM as 締日, last month as 月度.
using MonthlyOpeningFields = ClosingMonthPreset;

// What one monthly aggregation run works with, fixed at its start: the period S..E of the
// closing day and month, the fiscal-year start F its cumulative totals count from, the
// control record's closing day, payment site and payment day, and the tax rate.
struct MonthlyRunValues {
    QString closingDay;   // two digits ("5" typed is "05")
    QString month;        // "yy/mm"
    QString start;        // S
    QString end;          // E, also the month key HYMD of every aggregate row written
    QString fiscalStart;  // F
    QString VSIM;
    QString VSIT;
    QString VYOT;
    qint64 taxRate = 0;  // SHOZEI.ZEIGAKU, whole percent

    // Reads the control record from the main database and the tax rate from the working
    // copy; refused with the message the dialog shows.
    static DateRuleResult<MonthlyRunValues> read(const QString& closingDay, const QString& month,
                                                 Connection& mainDatabase, Connection& workingCopy);

    // The earlier of S and F: a closing-day period may begin before the fiscal year does.
    QString earliest() const { return start < fiscalStart ? start : fiscalStart; }
    // Tax on an amount, truncated toward zero.
    qint64 tax(qint64 amount) const { return truncatedTax(amount, taxRate); }
};

}  // namespace vantir
