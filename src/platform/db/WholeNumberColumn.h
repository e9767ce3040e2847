#pragma once

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace vantir {

class Connection;

// A text column whose values are whole numbers written as text (the slip, receipt and
// payment numbers), kept so that the greatest of them is found without reading the table.
//
// A value is plain when, with the spaces around it trimmed, it is ASCII digits of at most
// 2147483647 (leading zeros allowed). Plain values are kept in an index by the number they
// stand for; every other value that is not NULL or blank is kept in a second index by its
// text, for the caller to read as it sees fit. Both are partial indexes, so a table of a
// million plain numbers keeps only the few odd ones in the second.
class WholeNumberColumn {
  public:
    WholeNumberColumn(QString table, QString column);

    // The two CREATE INDEX statements (TABLE_COLUMN_NUMBER, TABLE_COLUMN_OTHER).
    QStringList indexStatements() const;

    // The greatest plain value; nullopt when the column has none. Throws DbError.
    std::optional<qint64> greatestPlain(Connection& connection) const;

    // The values that are neither plain nor NULL nor blank, greatest text first as
    // "ORDER BY column DESC" gives them, handed to visit until it returns false.
    // Throws DbError.
    void forEachOther(Connection& connection,
                      const std::function<bool(const QString& value)>& visit) const;

    // The number a text stands for when it is plain, read exactly as the index reads it.
    static std::optional<qint64> plainValue(const QString& text);

  private:
    QString trimmed() const;
    QString plainCondition() const;
    QString otherCondition() const;

    QString table_;
    QString column_;
};

}  // namespace vantir
