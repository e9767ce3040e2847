#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVector>
#include <array>

namespace vantir {

class Connection;
struct MonthlyRunValues;

// Per partner code, what the aggregation steps ask of one slip table (HITRAN1, HITRAN2 or
// HITRAN3) over the period S..E and the fiscal year F..E: the number of slips, the sums of
// the named amounts and whether any slip has the amount at 0 or above. One grouped read
// per table and code column replaces the count and sum statements per partner; an empty
// amount counts in no sum and in no test.
class SlipTotals {
  public:
    enum Range { Period = 0, FiscalYear = 1 };

    struct Totals {
        std::array<qint64, 2> count{};
        std::array<QVector<qint64>, 2> sum;
        std::array<QVector<bool>, 2> nonNegative;
    };

    // codeColumn: KCODE (customer side) or YCODE (carrier side).
    SlipTotals(Connection& connection, const QString& table, const QString& codeColumn,
               const QStringList& amounts, const MonthlyRunValues& values);

    // nullptr when the partner has no slip in either range.
    const Totals* of(const QVariant& code) const;
    qint64 count(const QVariant& code, Range range) const;
    qint64 sum(const QVariant& code, Range range, const QString& amount) const;
    bool nonNegative(const QVariant& code, Range range, const QString& amount) const;

  private:
    qsizetype indexOf(const QString& amount) const;

    QStringList amounts_;
    QHash<QString, Totals> byCode_;
};

}  // namespace vantir
