#include "ScheduleAggregates.h"

#include <QDate>
#include <QStringList>
#include <QVariant>
#include <random>

#include "platform/db/Connection.h"
#include "platform/db/TransactionGuard.h"

namespace vantir::test {

namespace {

class Draw {
  public:
    explicit Draw(quint32 seed) : random_(seed) {}
    int below(int n) { return int(random_() % quint32(n)); }
    QVariant amount() {
        if (below(8) == 0) return {};
        const qint64 yen = 1000 + below(400'000);
        return below(10) == 0 ? -yen : yen;
    }

  private:
    std::mt19937 random_;
};

QString yyMmDd(const QDate& date) { return date.toString(QStringLiteral("yy/MM/dd")); }

}  // namespace

void writeScheduleAggregates(Connection& connection, int months, quint32 seed) {
    Draw draw(seed);
    QStringList codes;
    Statement partners = connection.prepare(QStringLiteral("SELECT KCODE FROM HIMAS3"));
    while (partners.step()) codes << partners.value(0).toString();
    codes << QStringLiteral("999998") << QString();  // no partner of the master; no code

    TransactionGuard guard(connection);
    const QString columns = QStringLiteral(
        " (KCODE, KNAME, YCODE, SIME, UKING, SKING, UHIYO, SHIYO, INKING, INSKING, HYMD, SYMD, "
        "SHYMD) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?)");
    Statement customers = connection.prepare(QStringLiteral("INSERT INTO HIMAS31") + columns);
    Statement carriers = connection.prepare(QStringLiteral("INSERT INTO HIMAS32") + columns);
    const QDate lastMonth(2026, 12, 1);
    for (const QString& code : codes) {
        const int kind = draw.below(7);  // 0: no aggregates; 1: customer only; 2: carrier only
        if (kind == 0) continue;
        for (int back = months - 1; back >= 0; --back) {
            const QDate first = lastMonth.addMonths(-back);
            const QDate end = first.addDays(first.daysInMonth() - 1);
            const QDate due = end.addDays(10 + draw.below(50));
            for (Statement* side : {&customers, &carriers}) {
                if ((side == &customers && kind == 2) || (side == &carriers && kind == 1)) continue;
                side->reset();
                side->bind(1, code.isEmpty() ? QVariant() : QVariant(code));
                side->bind(2, QString(QStringLiteral("取引先") + code));
                side->bind(3, code.isEmpty() ? QVariant() : QVariant(QString(u'1' + code.mid(1))));
                side->bind(4, QStringLiteral("99"));
                for (int column = 5; column <= 10; ++column) side->bind(column, draw.amount());
                side->bind(11, yyMmDd(end));
                side->bind(12, yyMmDd(end));
                side->bind(13, yyMmDd(due));
                side->step();
            }
        }
    }
    guard.commit();
}

}  // namespace vantir::test
