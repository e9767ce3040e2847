#include "monthly/rules/SlipTotals.h"

#include "monthly/rules/MonthlyRunValues.h"
#include "platform/db/Connection.h"
#include "platform/text/ByUtf8Bytes.h"

namespace vantir {

std::vector<SlipTotals> SlipTotals::read(Connection& connection, const QString& table,
                                         const QStringList& codeColumns, const QStringList& amounts,
                                         const MonthlyRunValues& values) {
    // The engine tells the ranges apart, so that the loop below reads no date.
    Statement statement = connection.prepare(
        QStringLiteral(
            "SELECT DDAY >= :S, DDAY >= :F, %1, %2 FROM %3 WHERE DDAY >= :LOW AND DDAY <= :E")
            .arg(codeColumns.join(u','), amounts.join(u','), table));
    statement.bind(QStringLiteral("S"), values.start);
    statement.bind(QStringLiteral("F"), values.fiscalStart);
    statement.bind(QStringLiteral("LOW"), values.earliest());
    statement.bind(QStringLiteral("E"), values.end);
    const int codes = int(codeColumns.size());
    const int n = int(amounts.size());
    const int firstAmount = 2 + codes;
    // Partner codes looked up by their bytes, so that a row costs no string made.
    std::vector<ByUtf8Bytes<Totals>> byCode(codes);
    while (statement.step()) {
        const bool ranges[2] = {statement.integer(0) != 0, statement.integer(1) != 0};
        for (int k = 0; k < codes; ++k) {
            if (statement.isNull(2 + k)) continue;  // joins no partner
            const std::string_view code = statement.utf8(2 + k);
            auto found = byCode[k].find(code);
            if (found == byCode[k].end()) {
                Totals fresh;
                for (int range = 0; range < 2; ++range) {
                    fresh.sum[range].resize(n);
                    fresh.nonNegative[range].resize(n);
                }
                found = byCode[k].emplace(std::string(code), std::move(fresh)).first;
            }
            Totals& totals = found->second;
            for (int range = 0; range < 2; ++range) {
                if (!ranges[range]) continue;
                ++totals.count[range];
                qint64* sum = totals.sum[range].data();
                bool* nonNegative = totals.nonNegative[range].data();
                for (int a = 0; a < n; ++a) {
                    if (statement.isNull(firstAmount + a)) continue;  // counts in no sum
                    const qint64 amount = statement.integer(firstAmount + a);
                    sum[a] += amount;
                    if (amount >= 0) nonNegative[a] = true;
                }
            }
        }
    }
    std::vector<SlipTotals> totals(codes, SlipTotals(amounts));
    for (int k = 0; k < codes; ++k) {
        for (auto& [code, partnerTotals] : byCode[k])
            totals[k].byCode_.insert(QString::fromUtf8(code.data(), qsizetype(code.size())),
                                     std::move(partnerTotals));
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
