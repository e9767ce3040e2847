#include "monthly/rules/LedgerRebuild.h"

#include "monthly/rules/LedgerSide.h"
#include "monthly/rules/MonthlyRunValues.h"
#include "monthly/rules/SlipLayout.h"
#include "platform/db/Connection.h"

namespace vantir {

namespace {

const QString kPeriod = QStringLiteral("DDAY >= :S AND DDAY <= :E");

}  // namespace

QString LedgerRebuild::table(Side side) {
    return QString::fromLatin1(side == Side::Sales ? LedgerSide::sales().ledger
                                                   : LedgerSide::purchases().ledger);
}

bool LedgerRebuild::rebuild(Connection& workingCopy, const MonthlyRunValues& values, Side side) {
    const LedgerSide& s = side == Side::Sales ? LedgerSide::sales() : LedgerSide::purchases();
    const Params period = {{QStringLiteral("S"), values.start}, {QStringLiteral("E"), values.end}};
    const QString cash = QString::fromLatin1(s.cash);
    const qint64 rows =
        workingCopy.scalar(QStringLiteral("SELECT COUNT(*) FROM HITRAN1 WHERE ") + kPeriod, period)
            .toLongLong() +
        workingCopy
            .scalar(QStringLiteral("SELECT COUNT(*) FROM ") + cash + QStringLiteral(" WHERE ") +
                        kPeriod,
                    period)
            .toLongLong();
    if (side == Side::Sales) {
        // The month-based reports read the period's customer rows with the tax rate.
        workingCopy.execute(QStringLiteral("DELETE FROM HWRK31"));
        workingCopy.execute(QStringLiteral("INSERT INTO HWRK31 SELECT * FROM HIMAS31 "
                                           "WHERE HYMD >= :S AND HYMD <= :E"),
                            period);
        workingCopy.execute(QStringLiteral("UPDATE HWRK31 SET SHOZEI = ") +
                            QString::number(values.taxRate));
    }

    if (rows == 0) return false;

    const QString ledger = QString::fromLatin1(s.ledger);
    workingCopy.execute(
        QStringLiteral("DELETE FROM ") + ledger + QStringLiteral(" WHERE ") + kPeriod, period);
    QStringList slipValues;
    for (const QString& column : SlipLayout::columns()) {
        if (column == QLatin1String(s.zeroed[0]) || column == QLatin1String(s.zeroed[1]))
            slipValues.append(QStringLiteral("0"));
        else if (column == QLatin1String("SHOZEI"))
            slipValues.append(QString::number(values.taxRate));
        else
            slipValues.append(column);
    }
    // A sum with an empty amount is no 0: such a slip stays, as the ledger always kept it.
    QStringList kept;
    QStringList empty;
    for (const char* column : s.kept) {
        kept.append(QString::fromLatin1(column));
        empty.append(QString::fromLatin1(column) + QStringLiteral(" IS NULL"));
    }
    const QString columns = SlipLayout::columns().join(u',');
    workingCopy.execute(
        QStringList{
            QStringLiteral("INSERT INTO ") + ledger + u'(' + columns + u')',
            QStringLiteral("SELECT ") + slipValues.join(u',') + QStringLiteral(" FROM HITRAN1"),
            QStringLiteral("WHERE ") + kPeriod,
            QStringLiteral("AND (") + kept.join(u'+') + QStringLiteral(" <> 0 OR ") +
                empty.join(QStringLiteral(" OR ")) + u')'}
            .join(u'\n'),
        period);
    workingCopy.execute(QStringLiteral("INSERT INTO %1 (%2) SELECT %3 FROM %4 WHERE ")
                                .arg(ledger, QString::fromLatin1(s.cashColumns),
                                     QString::fromLatin1(s.cashValues), cash) +
                            kPeriod,
                        period);
    return true;
}

}  // namespace vantir
