#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

#include "common/printing/Printout.h"
#include "common/rules/ClosingPeriod.h"

namespace vantir {

// The work tables the schedule prints build in the working copy from the monthly
// aggregates of one month. Making them takes the working copy anew from the main database
// (unless the data switch has put an archive in its place), so that a print sees the
// aggregates of the last monthly run; each fill refuses with the no-data message when it
// selects nothing.
class ScheduleWorkTables {
  public:
    // The month "yy/mm" and its days, first to last; the working copy refreshed and the
    // tax rate read from it. Throws PrintError (a month that is no month, a refresh that
    // failed) and DbError.
    ScheduleWorkTables(const PrintSources& sources, const QString& month);

    const ClosingPeriod& month() const { return month_; }
    qint64 taxRate() const { return taxRate_; }

    // HWRK31: the customers' aggregates whose expected receipt date SHYMD falls on the
    // month's first day or later (later months too), carrying the tax rate in SHOZEI.
    void expectedReceipts() const;
    // HWRK32: the carriers' aggregates whose expected payment date SHYMD falls in the
    // month, carrying the tax rate in SHOZEI.
    void expectedPayments() const;
    // HWRK31 and HWRK32: the aggregates of the month and later; HIMAS33: every partner's
    // receivable and payable from them (ScheduleBalances), dated the month's last day.
    void balances() const;

    // The days of a month "yy/mm": the 1st to the last of the calendar month. Throws
    // PrintError naming the expected form for anything else.
    static ClosingPeriod monthRange(const QString& month);

  private:
    // Replaces the work table by a copy of the selection (the whole-table copy).
    void copy(const QString& workTable, const QStringList& select) const;
    // Sets the tax rate on every row and refuses an empty table.
    void rateAndCheck(const QString& workTable) const;

    DataModule2& dm2_;
    ClosingPeriod month_;
    qint64 taxRate_ = 0;
};

}  // namespace vantir
