#include "LiteralScheduleBalances.h"

#include <QStringList>

#include "platform/db/Connection.h"
#include "platform/db/SqlQuote.h"

namespace vantir::test {

namespace {

QString lines(const QStringList& sql) { return sql.join(QLatin1Char('\n')); }

}  // namespace

void literalScheduleBalances(Connection& work, const QString& monthEnd, qint64 taxRate) {
    work.execute(QStringLiteral("DELETE FROM HIMAS33"));
    work.execute(lines({"INSERT INTO HIMAS33", "(KCODE,KNAME,YCODE)", "SELECT", "KCODE,KNAME,YCODE",
                        "FROM HIMAS3 ORDER BY KCODE"}));
    QStringList codes;
    Statement partners = work.prepare(lines({"SELECT * FROM HIMAS3", "ORDER BY KCODE"}));
    while (partners.step()) codes << partners.value(QStringLiteral("KCODE")).toString();
    for (const QString& code : codes) {
        const QString where = QStringLiteral("WHERE KCODE = ") + sqlQuote(code);
        if (work.scalar(lines({"SELECT COUNT(*) FROM HWRK31", where})).toLongLong() > 0) {
            const qint64 u =
                work.scalar(lines({"SELECT SUM(UKING) FROM HWRK31", where})).toLongLong();
            const qint64 h =
                work.scalar(lines({"SELECT SUM(UHIYO) FROM HWRK31", where})).toLongLong();
            const qint64 receivable = u + h + u * taxRate / 100;
            work.execute(
                lines({QStringLiteral("UPDATE HIMAS33 SET URIZAN = ") + QString::number(receivable),
                       where}));
        }
        if (work.scalar(lines({"SELECT COUNT(*) FROM HWRK32", where})).toLongLong() > 0) {
            const qint64 payable =
                work.scalar(lines({"SELECT SUM(SKING) FROM HWRK32", where})).toLongLong();
            work.execute(
                lines({QStringLiteral("UPDATE HIMAS33 SET SIRZAN = ") + QString::number(payable),
                       where}));
        }
    }
    work.execute(QStringLiteral("UPDATE HIMAS33 SET HYMD = ") + sqlQuote(monthEnd));
    work.execute(QStringLiteral("Update HIMAS33 SET URIZAN = 0 WHERE URIZAN IS NULL"));
    work.execute(QStringLiteral("Update HIMAS33 SET SIRZAN = 0 WHERE SIRZAN IS NULL"));
    // A partner whose receivable and payable offset each other still has both to settle.
    work.execute(lines({"DELETE FROM HIMAS33", "WHERE URIZAN = 0 AND SIRZAN = 0"}));
}

}  // namespace vantir::test
