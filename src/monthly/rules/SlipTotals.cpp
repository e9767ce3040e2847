#include "monthly/rules/SlipTotals.h"

#include "monthly/rules/MonthlyRunValues.h"
#include "platform/db/Connection.h"

namespace vantir {

SlipTotals::SlipTotals(Connection& connection, const QString& table, const QString& codeColumn,
                       const QStringList& amounts, const MonthlyRunValues& values)
    : amounts_(amounts) {
    const QString bounds[2] = {QStringLiteral(":S"), QStringLiteral(":F")};
    QStringList lines = {QStringLiteral("SELECT ") + codeColumn + u','};
    QStringList fields;
    for (const QString& bound : bounds)
        fields.append(QStringLiteral("SUM(CASE WHEN DDAY >= %1 THEN 1 ELSE 0 END)").arg(bound));
    for (const QString& bound : bounds) {
        for (const QString& amount : amounts) {
            fields.append(QStringLiteral("SUM(CASE WHEN DDAY >= %1 THEN %2 END)").arg(bound, amount));
            fields.append(
                QStringLiteral("MAX(CASE WHEN DDAY >= %1 AND %2 >= 0 THEN 1 ELSE 0 END)")
                    .arg(bound, amount));
        }
    }
    lines.append(fields.join(QStringLiteral(",\n")));
    lines.append(QStringLiteral("FROM ") + table);
    lines.append(QStringLiteral("WHERE DDAY >= :LOW AND DDAY <= :E"));
    lines.append(QStringLiteral("GROUP BY ") + codeColumn);

    Statement statement = connection.prepare(lines);
    statement.bind(QStringLiteral("S"), values.start);
    statement.bind(QStringLiteral("F"), values.fiscalStart);
    statement.bind(QStringLiteral("LOW"), values.earliest());
    statement.bind(QStringLiteral("E"), values.end);
    const qsizetype n = amounts.size();
    while (statement.step()) {
        const QVariant code = statement.value(0);
        if (code.isNull()) continue;  // joins no partner
        Totals totals;
        int column = 1;
        for (int range = 0; range < 2; ++range) totals.count[range] = statement.value(column++).toLongLong();
        for (int range = 0; range < 2; ++range) {
            totals.sum[range].resize(n);
            totals.nonNegative[range].resize(n);
            for (qsizetype a = 0; a < n; ++a) {
                totals.sum[range][a] = statement.value(column++).toLongLong();
                totals.nonNegative[range][a] = statement.value(column++).toLongLong() != 0;
            }
        }
        byCode_.insert(code.toString(), std::move(totals));
    }
}

const SlipTotals::Totals* SlipTotals::of(const QVariant& code) const {
    if (code.isNull()) return nullptr;
    const auto found = byCode_.constFind(code.toString());
    return found == byCode_.constEnd() ? nullptr : &*found;
}

qint64 SlipTotals::count(const QVariant& code, Range range) const {
    const Totals* totals = of(code);
    return totals ? totals->count[range] : 0;
}

qint64 SlipTotals::sum(const QVariant& code, Range range, const QString& amount) const {
    const Totals* totals = of(code);
    return totals ? totals->sum[range][indexOf(amount)] : 0;
}

bool SlipTotals::nonNegative(const QVariant& code, Range range, const QString& amount) const {
    const Totals* totals = of(code);
    return totals && totals->nonNegative[range][indexOf(amount)];
}

qsizetype SlipTotals::indexOf(const QString& amount) const {
    const qsizetype index = amounts_.indexOf(amount);
    Q_ASSERT(index >= 0);
    return index;
}

}  // namespace vantir
