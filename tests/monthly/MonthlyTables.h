#pragma once

#include <QStringList>

namespace vantir {
class Connection;
}

namespace vantir::test {

// The four tables the monthly aggregation stores in the main database, each as its rows
// sorted on every column, so that two runs can be compared row for row, to the yen.
struct MonthlyTables {
    QStringList HIMAS31;
    QStringList HIMAS32;
    QStringList HITRANM;
    QStringList HITRANS;

    static MonthlyTables of(Connection& connection);
    bool operator==(const MonthlyTables&) const = default;
};

}  // namespace vantir::test
