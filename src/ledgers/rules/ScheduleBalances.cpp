#include "ledgers/rules/ScheduleBalances.h"

#include <QHash>

#include "platform/db/Connection.h"
#include "platform/db/TransactionGuard.h"

namespace vantir {

namespace {

// Each partner code's sums of the given amount columns; a code of NULL matches no partner.
QHash<QString, QList<qint64>> sumsByPartner(Connection& work, const QString& table,
                                            const QStringList& amounts) {
    QStringList sums;
    for (const QString& amount : amounts) sums << QStringLiteral("SUM(") + amount + u')';
    Statement statement =
        work.prepare(QStringLiteral("SELECT KCODE, ") + sums.join(u',') + QStringLiteral(" FROM ") +
                     table + QStringLiteral(" GROUP BY KCODE"));
    QHash<QString, QList<qint64>> byPartner;
    while (statement.step()) {
        if (statement.value(0).isNull()) continue;
        QList<qint64>& values = byPartner[statement.value(0).toString()];
        for (int column = 1; column <= amounts.size(); ++column)
            values << statement.value(column).toLongLong();  // a sum of NULLs only: 0
    }
    return byPartner;
}

}  // namespace

int ScheduleBalances::rebuild(Connection& workingCopy, const QString& monthEnd, qint64 taxRate) {
    const auto receivables = sumsByPartner(workingCopy, QStringLiteral("HWRK31"),
                                           {QStringLiteral("UKING"), QStringLiteral("UHIYO")});
    const auto payables =
        sumsByPartner(workingCopy, QStringLiteral("HWRK32"), {QStringLiteral("SKING")});

    TransactionGuard guard(workingCopy);
    workingCopy.execute(QStringLiteral("DELETE FROM HIMAS33"));
    Statement partners = workingCopy.prepare(
        QStringLiteral("SELECT KCODE, KNAME, YCODE FROM HIMAS3 ORDER BY KCODE"));
    Statement insert = workingCopy.prepare(QStringLiteral(
        "INSERT INTO HIMAS33 (HYMD, KCODE, KNAME, YCODE, URIZAN, SIRZAN) VALUES (?,?,?,?,?,?)"));
    int written = 0;
    while (partners.step()) {
        const QVariant code = partners.value(0);
        if (code.isNull()) continue;
        qint64 receivable = 0;
        if (const auto found = receivables.constFind(code.toString());
            found != receivables.cend()) {
            const qint64 sales = found->at(0);
            receivable = sales + found->at(1) + sales * taxRate / 100;
        }
        const qint64 payable = payables.value(code.toString(), {0}).at(0);
        if (receivable == 0 && payable == 0) continue;
        insert.reset();
        insert.bind(1, monthEnd);
        insert.bind(2, code);
        insert.bind(3, partners.value(1));
        insert.bind(4, partners.value(2));
        insert.bind(5, receivable);
        insert.bind(6, payable);
        insert.step();
        ++written;
    }
    guard.commit();
    return written;
}

}  // namespace vantir
