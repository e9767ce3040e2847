#include "monthly/rules/SlipTotals.h"

#include "monthly/rules/MonthlyRunValues.h"
#include "platform/db/Connection.h"

namespace vantir {

std::vector<SlipTotals> SlipTotals::read(Connection& connection, const QString& table,
                                         const QStringList& codeColumns,
                                         const QStringList& amounts,
                                         const MonthlyRunValues& values) {
    std::vector<SlipTotals> totals(codeColumns.size(), SlipTotals(amounts));
    Statement statement = connection.prepare(
        QStringLiteral("SELECT DDAY, %1, %2 FROM %3 WHERE DDAY >= :LOW AND DDAY <= :E")
            .arg(codeColumns.join(u','), amounts.join(u','), table));
    statement.bind(QStringLiteral("LOW"), values.earliest());
    statement.bind(QStringLiteral("E"), values.end);
    const qsizetype codes = codeColumns.size();
    const qsizetype n = amounts.size();
    QVector<QVariant> row(n);
    while (statement.step()) {
        const QString day = statement.value(0).toString();
        const bool ranges[2] = {day >= values.start, day >= values.fiscalStart};
        for (qsizetype a = 0; a < n; ++a) row[a] = statement.value(int(1 + codes + a));
        for (qsizetype k = 0; k < codes; ++k) {
            const QVariant code = statement.value(int(1 + k));
            if (code.isNull()) continue;  // joins no partner
            auto found = totals[k].byCode_.find(code.toString());
            if (found == totals[k].byCode_.end()) {
                Totals fresh;
                for (int range = 0; range < 2; ++range) {
                    fresh.sum[range].resize(n);
                    fresh.nonNegative[range].resize(n);
                }
                found = totals[k].byCode_.insert(code.toString(), fresh);
            }
            for (int range = 0; range < 2; ++range) {
                if (!ranges[range]) continue;
                ++found->count[range];
                for (qsizetype a = 0; a < n; ++a) {
                    if (row[a].isNull()) continue;
                    const qint64 amount = row[a].toLongLong();
                    found->sum[range][a] += amount;
                    if (amount >= 0) found->nonNegative[range][a] = true;
                }
            }
        }
    }
    return totals;
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
