#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <array>
#include <vector>

namespace vantir {

class Connection;

// One row of HIMAS31 or HIMAS32 as a step builds it: the partner's own columns copied from
// HIMAS3 (NULL kept), then the amounts the step sets. Values keep their stored types, so a
// column no step sets stays as the master had it.
class AggregateRow {
  public:
    // The 23 columns in stored order; the first 20 are those a group copies from HIMAS3.
    enum Column {
        KCODE, KNAME, YCODE, TENCOD, SIME, SAIT, UKING, SKING, UHIYO, SHIYO, INKING, INSKING,
        HYMD, SYMD, SHYMD, SIMEFLG, NUKING, HSKING, URIZAN, SIRZAN, SHOZEI, ZKING, GKING,
        ColumnCount
    };
    static const QStringList& columnNames();
    static constexpr int kCopiedFromPartner = SHOZEI;

    // Every partner of HIMAS3, as a group row before any step.
    static std::vector<AggregateRow> partners(Connection& workingCopy);

    const QVariant& operator[](Column column) const { return values_[column]; }
    QString text(Column column) const { return values_[column].toString(); }
    qint64 amount(Column column) const { return values_[column].toLongLong(); }
    void set(Column column, QVariant value) { values_[column] = std::move(value); }
    void set(Column column, qint64 value) { values_[column] = QVariant(value); }

    // SIMEFLG "1": settled on the company's own closing day. Any other flag, NULL and empty
    // included, puts the partner in the group of its own closing day.
    bool ownClosingDay() const { return text(SIMEFLG) == QLatin1String("1"); }

    // Sets the month key, turns empty amounts of `amounts` into 0 and tells whether the
    // row stays: some of `kept` is not 0.
    bool close(const QString& periodEnd, std::initializer_list<Column> amounts,
               std::initializer_list<Column> kept);

    // Appends rows to HIMAS31 or HIMAS32 with one prepared statement.
    static void insert(Connection& workingCopy, const QString& table,
                       const std::vector<AggregateRow>& rows);

  private:
    std::array<QVariant, ColumnCount> values_;
};

}  // namespace vantir
