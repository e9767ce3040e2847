#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <array>
#include <vector>

namespace vantir {

class Connection;
struct MonthlyRunValues;

// Per partner code, what the aggregation steps ask of one slip table (HITRAN1, HITRAN2 or
// HITRAN3) over the period S..E and the fiscal year F..E: the number of slips, the sums of
// the named amounts and whether any slip has the amount at 0 or above. One read of the
// table's rows since the earlier of S and F replaces the count and sum statements per
// partner and amount; an empty amount counts in no sum and in no test.
class SlipTotals {
  public:
    enum Range { Period = 0, FiscalYear = 1 };

    struct Totals {
        std::array<qint64, 2> count{};
        std::array<QVector<qint64>, 2> sum;
        std::array<QVector<bool>, 2> nonNegative;
    };

    // One SlipTotals per code column (KCODE for the customer side, YCODE for the carrier
    // side), from one read of the table.
    static std::vector<SlipTotals> read(Connection& connection, const QString& table,
                                        const QStringList& codeColumns, const QStringList& amounts,
                                        const MonthlyRunValues& values);

    // nullptr when the partner has no slip in either range.
    const Totals* of(const QVariant& code) const;
    qint64 count(const QVariant& code, Range range) const;
    qint64 sum(const QVariant& code, Range range, const QString& amount) const;
    bool nonNegative(const QVariant& code, Range range, const QString& amount) const;

  private:
    explicit SlipTotals(const QStringList& amounts) : amounts_(amounts) {}
    qsizetype indexOf(const QString& amount) const;

    QStringList amounts_;
    QHash<QString, Totals> byCode_;
};

}  // namespace vantir
