#include "monthly/rules/LedgerReportExtract.h"

#include "monthly/rules/LedgerSide.h"
#include "monthly/rules/MonthlyReportRun.h"
#include "monthly/rules/MonthlyWorkTables.h"

namespace vantir {

namespace {

// SELECT * FROM the table, in the period by the date column, for the code range.
QStringList periodAndRange(const QString& table, const QString& dateColumn,
                           const ClosingPeriod& period, const QString& code,
                           const MonthlyReportRun& run) {
    QStringList sql{QStringLiteral("SELECT * FROM ") + table};
    sql << MonthlyReportRun::periodLines(dateColumn, period.start, period.end)
        << run.rangeLine(code);
    return sql;
}

}  // namespace

Dataset& extractLedgerReport(MonthlyWorkTables& tables, const LedgerReport& report,
                             const MonthlyReportRun& run) {
    const LedgerReportSide& side = *report.side;
    const LedgerSide& ledger = side.ledger;
    const ClosingPeriod period{run.values.start, run.values.end};
    const ClosingPeriod slips = report.slipPeriod(period, run.choice);
    const QString hwrk1 = QStringLiteral("HWRK1");

    const QString rows =
        report.fromLedger ? QString::fromLatin1(ledger.ledger) : QStringLiteral("HITRAN1");
    // The other side's amounts go, also from the receipt (payment) rows the stored ledger
    // holds: every receipt (payment) is added below with its amount.
    tables.copy(hwrk1, periodAndRange(rows, QStringLiteral("DDAY"), slips, side.code, run),
                run.values.taxRate,
                {QLatin1String(ledger.zeroed[0]), QLatin1String(ledger.zeroed[1])});

    tables.copy(side.cashWork,
                periodAndRange(QString::fromLatin1(ledger.cash), QStringLiteral("DDAY"), slips,
                               side.code, run),
                run.values.taxRate);
    tables.execute(QStringList{QStringLiteral("INSERT INTO HWRK1"),
                               QStringLiteral("(%1)").arg(QLatin1String(ledger.cashColumns)),
                               QStringLiteral("SELECT"), QLatin1String(ledger.cashValues),
                               QStringLiteral("FROM ") + side.cashWork}
                       .join(u'\n'));

    const QString hwrk31 = QStringLiteral("HWRK31");
    tables.copy(
        hwrk31,
        periodAndRange(QStringLiteral("HIMAS31"), QStringLiteral("HYMD"), period, side.code, run),
        run.values.taxRate);
    // The list joins a month of rows to a few thousand partners: looked up by the partner's
    // code, the rows are read once instead of being indexed whole for the join.
    tables.execute(QStringLiteral("CREATE INDEX HWRK31_%1 ON HWRK31 (%1)").arg(side.code));

    // Partner by partner, each in date order: the report prints a partner's rows together
    // under its heading.
    return tables.openList(
        side.listQuery,
        {QStringLiteral("SELECT HWRK1.*, HWRK31.SIME, HWRK31.SAIT, HWRK31.NUKING,"),
         QStringLiteral(" HWRK31.HSKING, HWRK31.URIZAN, HWRK31.SIRZAN"),
         QStringLiteral("FROM HWRK31 INNER JOIN HWRK1 ON HWRK31.%1 = HWRK1.%1").arg(side.code),
         QStringLiteral("ORDER BY HWRK1.%1, HWRK1.DDAY, HWRK1.CODE").arg(side.code)});
}

}  // namespace vantir
