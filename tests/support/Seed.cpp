#include "support/Seed.h"

#include "platform/dates/DateText.h"
#include "platform/db/Database.h"
#include "platform/db/Statement.h"
#include "platform/db/TransactionGuard.h"

namespace vantir::test {

void seedRows(Connection& connection, const QString& table, const QList<SeedRow>& rows) {
    for (const SeedRow& row : rows) {
        QStringList columns;
        QStringList markers;
        Params params;
        for (auto it = row.begin(); it != row.end(); ++it) {
            columns.append(it.key());
            markers.append(QLatin1Char(':') + it.key());
            params.emplace_back(it.key(), it.value());
        }
        connection.execute(
            QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                .arg(table, columns.join(QLatin1Char(',')), markers.join(QLatin1Char(','))),
            params);
    }
}

void seedRows(Database& database, const QString& table, const QList<SeedRow>& rows) {
    seedRows(database.connection(), table, rows);
}

QStringList rowsOf(Connection& connection, const QString& sql) {
    Statement statement = connection.prepare(sql);
    QStringList rows;
    while (statement.step()) {
        QStringList fields;
        for (int column = 0; column < statement.columnCount(); ++column) {
            const QVariant value = statement.value(column);
            fields.append(value.isNull() ? QStringLiteral("<null>") : value.toString());
        }
        rows.append(fields.join(QLatin1Char('|')));
    }
    return rows;
}

void seedDispatchSlips(Connection& connection, int count, const QDate& firstDay, int slipsPerDay) {
    TransactionGuard guard(connection);
    Statement insert = connection.prepare(QStringLiteral(
        "INSERT INTO HITRAN1 (HYMD,THYMD,CODE,SEKBN,DDAY,KCODE,KNAME,HATTI,THTTI,TON,UKING,"
        "YCODE,YNAME,SHBAN,YKING,SKING,UHIYO,SHIYO,TANCOD,TANMEI,INKING,INSKING) VALUES "
        "(?1,?1,?2,'0',?1,?3,?4,'東京','大阪','10',?5,?6,?7,'1234',?8,?8,0,0,'01','山田',0,0)"));
    for (int slip = 1; slip <= count; ++slip) {
        const QString day = formatYyMmDd(firstDay.addDays((slip - 1) / slipsPerDay));
        const int partner = slip % 10 + 1;
        insert.bind(1, day);
        insert.bind(2, QString::number(slip));
        insert.bind(3, QStringLiteral("%1").arg(partner, 6, 10, QLatin1Char('0')));
        insert.bind(4, QStringLiteral("得意先%1").arg(partner));
        insert.bind(5, qint64(30000 + slip % 7 * 1000));
        insert.bind(6, QStringLiteral("%1").arg(partner + 100, 6, 10, QLatin1Char('0')));
        insert.bind(7, QStringLiteral("傭車先%1").arg(partner));
        insert.bind(8, qint64(25000 + slip % 5 * 1000));
        insert.step();
        insert.reset();
    }
    guard.commit();
}

}  // namespace vantir::test
