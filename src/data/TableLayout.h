#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "platform/db/ColumnType.h"

namespace vantir {

// One table as the program declares it: its columns in stored order with their types and
// widths (text widths in Shift_JIS bytes). No table has a declared key; rows are told
// apart by the engine's own row id.
struct TableLayout {
    QString name;
    QList<ColumnInfo> columns;
    // Columns with a lookup index of their own (not a key: values may repeat), for the
    // period selections that narrow a large slip table to a day or a billing period.
    QStringList indexedColumns;
    // Text columns holding whole numbers (the slip, receipt and payment numbers CODE),
    // indexed by the number they stand for, so that the next number is found at once.
    QStringList numberColumns;

    QStringList columnNames() const;
    // The column of that name (case-insensitive); nullptr when the table has none.
    const ColumnInfo* column(const QString& columnName) const;
    // "CREATE TABLE NAME (COL VARCHAR(6),...)" with the declared types this system writes.
    QString createStatement() const;
    // "CREATE INDEX NAME_COLUMN ON NAME (COLUMN)", one per indexed column, then the
    // indexes of each number column (WholeNumberColumn).
    QStringList indexStatements() const;
};

}  // namespace vantir
