#include "monthly/rules/LedgerReportExtract.h"

#include "data/DataModule2.h"
#include "monthly/rules/LedgerSide.h"
#include "monthly/rules/WorkTableCopy.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/db/SqlQuote.h"

namespace vantir {

namespace {

// SELECT * FROM the table, for the period by the date column and the code range.
QStringList periodAndRange(const QString& table, const QString& dateColumn,
                           const ClosingPeriod& period, const QString& code,
                           const LedgerReportExtract::Values& values) {
    return {QStringLiteral("SELECT * FROM ") + table,
            QStringLiteral("WHERE (%1 >= %2").arg(dateColumn, sqlQuote(period.start)),
            QStringLiteral("AND %1 <= %2)").arg(dateColumn, sqlQuote(period.end)),
            QStringLiteral("AND (%1 >= %2 AND %1 <= %3)")
                .arg(code, sqlQuote(values.from), sqlQuote(values.to))};
}

}  // namespace

QueryDataset& LedgerReportExtract::run(DataModule2& workingCopy, const LedgerReport& report,
                                       const Values& values) {
    const LedgerReportSide& side = *report.side;
    const LedgerSide& ledger = side.ledger;
    QueryDataset& list = workingCopy.query(side.listQuery);
    list.close();
    Connection& connection = workingCopy.database().connection();
    const QString hwrk1 = QStringLiteral("HWRK1");

    const QString rows =
        report.fromLedger ? QString::fromLatin1(ledger.ledger) : QStringLiteral("HITRAN1");
    WorkTableCopy::copy(
        workingCopy, hwrk1,
        periodAndRange(rows, QStringLiteral("DDAY"), values.slips, side.code, values));
    WorkTableCopy::setTaxRate(workingCopy, hwrk1, values.taxRate);
    // The other side's amounts go, also from the receipt (payment) rows the stored ledger
    // holds: the receipts (payments) are added below with their amounts.
    for (const char* zeroed : ledger.zeroed)
        connection.execute(QStringLiteral("Update HWRK1 Set %1 = 0").arg(QLatin1String(zeroed)));

    WorkTableCopy::copy(workingCopy, side.cashWork,
                        periodAndRange(QString::fromLatin1(ledger.cash), QStringLiteral("DDAY"),
                                       values.slips, side.code, values));
    WorkTableCopy::setTaxRate(workingCopy, side.cashWork, values.taxRate);
    connection.execute(QStringList{QStringLiteral("INSERT INTO HWRK1"),
                                   QStringLiteral("(%1)").arg(QLatin1String(ledger.cashColumns)),
                                   QStringLiteral("SELECT"), QLatin1String(ledger.cashValues),
                                   QStringLiteral("FROM ") + side.cashWork}
                           .join(u'\n'));

    WorkTableCopy::copy(workingCopy, QStringLiteral("HWRK31"),
                        periodAndRange(QStringLiteral("HIMAS31"), QStringLiteral("HYMD"),
                                       values.aggregate, side.code, values));
    WorkTableCopy::setTaxRate(workingCopy, QStringLiteral("HWRK31"), values.taxRate);

    // One partner after the other, each in date order: the report prints a partner's
    // rows together under its heading.
    list.setSql(
        {QStringLiteral("SELECT HWRK1.*, HWRK31.SIME, HWRK31.SAIT, HWRK31.NUKING,"),
         QStringLiteral(" HWRK31.HSKING, HWRK31.URIZAN, HWRK31.SIRZAN"),
         QStringLiteral("FROM HWRK31 INNER JOIN HWRK1 ON HWRK31.%1 = HWRK1.%1").arg(side.code),
         QStringLiteral("ORDER BY HWRK1.%1, HWRK1.DDAY, HWRK1.CODE").arg(side.code)});
    list.open();
    return list;
}

}  // namespace vantir
