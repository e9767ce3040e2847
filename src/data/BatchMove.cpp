#include "data/BatchMove.h"

#include <optional>

#include "platform/dataset/QueryDataset.h"
#include "platform/dataset/TableDataset.h"
#include "platform/db/Database.h"
#include "platform/db/DbError.h"
#include "platform/db/SqlQuote.h"
#include "platform/db/Statement.h"
#include "platform/db/TransactionGuard.h"

namespace vantir {

namespace {

// A column of the source as the copy sees it: its name, the declared type of the table
// column it comes from ("" for a computed column), and where the source view holds it.
struct SourceColumn {
    QString name;
    QString declaredType;
    int field = -1;
};

// The source's own columns, in order, without looked-up fields (they are not columns).
QList<SourceColumn> sourceColumns(Dataset& source) {
    Connection& connection = source.database().connection();
    QStringList names;
    QStringList types;
    if (auto* table = dynamic_cast<TableDataset*>(&source)) {
        names = connection.columnNames(table->tableName());
        types = connection.declaredTypes(table->tableName());
    } else if (auto* query = dynamic_cast<QueryDataset*>(&source)) {
        const Statement statement = connection.prepare(query->sql());
        names = statement.columnNames();
        for (int column = 0; column < statement.columnCount(); ++column)
            types.append(statement.declaredType(column));
    } else {
        throw DbError(
            QStringLiteral("%1 は表にも SQL にも基づいていないので写せません").arg(source.name()));
    }
    QList<SourceColumn> columns;
    for (qsizetype i = 0; i < names.size(); ++i) {
        const int field = source.fieldIndex(names[i]);
        if (field < 0)
            throw DbError(
                QStringLiteral("%1 に項目 '%2' がありません").arg(source.name(), names[i]));
        columns.append({names[i], types.value(i), field});
    }
    return columns;
}

// The parameter that carries the value of the source's column i.
QString valueName(qsizetype i) { return QStringLiteral("v%1").arg(i + 1); }

QString columnList(const QList<SourceColumn>& columns) {
    QStringList names;
    for (const SourceColumn& column : columns) names.append(sqlIdentifier(column.name));
    return names.join(QLatin1Char(','));
}

// Parameter :vN is the statement's Nth: bound by position, not looked up by name per value.
void bindRow(Statement& statement, const Dataset& source, const QList<SourceColumn>& columns,
             int row) {
    for (qsizetype i = 0; i < columns.size(); ++i)
        statement.bind(int(i) + 1, source.valueAt(row, columns[i].field));
}

QString insertStatement(const QString& table, const QList<SourceColumn>& columns) {
    QStringList placeholders;
    for (qsizetype i = 0; i < columns.size(); ++i)
        placeholders.append(QLatin1Char(':') + valueName(i));
    return QStringLiteral("INSERT INTO ") + sqlIdentifier(table) + QStringLiteral(" (") +
           columnList(columns) + QStringLiteral(") VALUES (") +
           placeholders.join(QLatin1Char(',')) + QLatin1Char(')');
}

// The staging table beside the destination, with the source's columns; the copy fills
// it and swapIn puts it in the destination's place.
QString createStaging(const QList<SourceColumn>& columns, Connection& connection,
                      const QString& table) {
    const QString staging = table + QStringLiteral("_VANTIR_COPY");
    QStringList definitions;
    for (const SourceColumn& column : columns) {
        definitions.append(
            QString(sqlIdentifier(column.name) + QLatin1Char(' ') + column.declaredType).trimmed());
    }
    if (connection.tableExists(staging))
        connection.execute(QStringLiteral("DROP TABLE ") + sqlIdentifier(staging));
    connection.execute(QStringLiteral("CREATE TABLE ") + sqlIdentifier(staging) +
                       QStringLiteral(" (") + definitions.join(QLatin1Char(',')) +
                       QLatin1Char(')'));
    return staging;
}

void swapIn(const QString& staging, Connection& connection, const QString& table) {
    if (connection.tableExists(table))
        connection.execute(QStringLiteral("DROP TABLE ") + sqlIdentifier(table));
    connection.execute(QStringLiteral("ALTER TABLE ") + sqlIdentifier(staging) +
                       QStringLiteral(" RENAME TO ") + sqlIdentifier(table));
}

// Builds the new table beside the old one and swaps it in at the end.
int copyReplacing(Dataset& source, const QList<SourceColumn>& columns, Connection& connection,
                  const QString& table) {
    const QString staging = createStaging(columns, connection, table);
    Statement insert = connection.prepare(insertStatement(staging, columns));
    const int rows = source.recordCount();
    for (int row = 0; row < rows; ++row) {
        bindRow(insert, source, columns, row);
        insert.step();
        insert.reset();
    }
    insert = Statement();
    swapIn(staging, connection, table);
    return rows;
}

// A statement of the destination's own database that nobody has opened or filtered: its
// rows need not pass through the view, the engine copies them itself (a month of slips
// into a work table, tens of thousands of rows, in a fraction of the time).
QueryDataset* statementOfTheSameDatabase(Dataset& source, const TableDataset& destination) {
    auto* query = dynamic_cast<QueryDataset*>(&source);
    if (!query || query->isOpen() || &query->database() != &destination.database()) return nullptr;
    if (query->isFiltered() && !query->filter().isEmpty()) return nullptr;
    return query;
}

int copyReplacingInside(QueryDataset& source, Connection& connection, const QString& table) {
    const QString select = source.sql().join(QLatin1Char('\n'));
    QList<SourceColumn> columns;
    {
        const Statement statement = connection.prepare(select);
        for (int column = 0; column < statement.columnCount(); ++column)
            columns.append({statement.columnName(column), statement.declaredType(column)});
    }
    const QString staging = createStaging(columns, connection, table);
    const int rows = connection.execute(QStringLiteral("INSERT INTO ") + sqlIdentifier(staging) +
                                            QStringLiteral(" (") + columnList(columns) +
                                            QStringLiteral(")\n") + select,
                                        source.params());
    swapIn(staging, connection, table);
    return rows;
}

// The source's columns that the destination table has, under the destination's spelling
// and in the source's order; the names of those it lacks go to `missing`.
QList<SourceColumn> matchByName(const QList<SourceColumn>& columns, Connection& connection,
                                const QString& table, QStringList* missing) {
    const QStringList destinationColumns = connection.columnNames(table);
    if (destinationColumns.isEmpty())
        throw DbError(QStringLiteral("表 '%1' が見つかりません").arg(table));
    QList<SourceColumn> matched;
    for (SourceColumn column : columns) {
        bool found = false;
        for (const QString& name : destinationColumns) {
            if (name.compare(column.name, Qt::CaseInsensitive) == 0) {
                column.name = name;
                matched.append(column);
                found = true;
                break;
            }
        }
        if (!found) missing->append(column.name);
    }
    return matched;
}

// Adds every source row to the destination, column by name: the header of an invoice
// keeps its DDAY although WK_SEK_HED holds it fifth and HITRANM twenty-fourth. A column
// the destination lacks would lose its values, so the copy is refused naming them all;
// the destination's columns the source lacks stay NULL.
int appending(Dataset& source, const QList<SourceColumn>& columns, Connection& connection,
              const QString& table) {
    QStringList missing;
    const QList<SourceColumn> moved = matchByName(columns, connection, table, &missing);
    if (!missing.isEmpty()) {
        throw DbError(QStringLiteral("写し先 '%1' に項目 '%2' がないため、行を追加できません")
                          .arg(table, missing.join(QStringLiteral("', '"))));
    }
    Statement insert = connection.prepare(insertStatement(table, moved));
    const int rows = source.recordCount();
    for (int row = 0; row < rows; ++row) {
        bindRow(insert, source, moved, row);
        insert.step();
        insert.reset();
    }
    return rows;
}

// Updates the rows whose key matches, appends the others.
int appendUpdating(Dataset& source, const QList<SourceColumn>& columns, Connection& connection,
                   const QString& table, const QStringList& keys) {
    // Only the columns the destination has move.
    QStringList skipped;
    const QList<SourceColumn> moved = matchByName(columns, connection, table, &skipped);
    QStringList assignments;
    QStringList placeholders;
    for (qsizetype i = 0; i < moved.size(); ++i) {
        placeholders.append(QLatin1Char(':') + valueName(i));
        assignments.append(sqlIdentifier(moved[i].name) + QStringLiteral(" = ") +
                           placeholders.last());
    }
    QStringList conditions;
    for (const QString& key : keys) {
        qsizetype at = -1;
        for (qsizetype i = 0; i < moved.size(); ++i) {
            if (moved[i].name.compare(key, Qt::CaseInsensitive) == 0) at = i;
        }
        if (at < 0) {
            throw DbError(QStringLiteral("写し先 '%1' のキー項目 '%2' が元のデータにありません")
                              .arg(table, key));
        }
        const QString value = QLatin1Char(':') + valueName(at);
        // NULL keys match NULL keys, as the record views' locate does.
        conditions.append(QStringLiteral("(%1 = %2 OR (%1 IS NULL AND %2 IS NULL))")
                              .arg(sqlIdentifier(moved[at].name), value));
    }
    Statement update =
        connection.prepare(QStringLiteral("UPDATE ") + sqlIdentifier(table) +
                           QStringLiteral(" SET ") + assignments.join(QLatin1Char(',')) +
                           QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND ")));
    Statement insert = connection.prepare(insertStatement(table, moved));
    const int rows = source.recordCount();
    for (int row = 0; row < rows; ++row) {
        bindRow(update, source, moved, row);
        update.step();
        const bool updated = update.changes() > 0;
        update.reset();
        if (!updated) {
            bindRow(insert, source, moved, row);
            insert.step();
            insert.reset();
        }
    }
    return rows;
}

}  // namespace

int BatchMove::execute(Dataset& source, TableDataset& destination) const {
    const QString table = destination.tableName();
    if (table.isEmpty())
        throw DbError(QStringLiteral("%1: 写し先の表の名前が設定されていません").arg(name_));
    destination.close();
    Connection& connection = destination.database().connection();
    // A caller's own transaction already makes the copy all or nothing.
    std::optional<TransactionGuard> guard;
    if (!connection.inTransaction()) guard.emplace(connection);
    QueryDataset* inside =
        mode_ == Mode::Copy ? statementOfTheSameDatabase(source, destination) : nullptr;
    if (inside) {
        const int rows = copyReplacingInside(*inside, connection, table);
        if (guard) guard->commit();
        return rows;
    }
    if (!source.isOpen()) source.open();
    const QList<SourceColumn> columns = sourceColumns(source);
    int rows = 0;
    if (mode_ == Mode::Copy) {
        rows = copyReplacing(source, columns, connection, table);
    } else if (mode_ == Mode::Append) {
        rows = appending(source, columns, connection, table);
    } else {
        QStringList keys;
        for (const QString& key :
             destination.indexFieldNames().split(QLatin1Char(';'), Qt::SkipEmptyParts))
            keys.append(key.trimmed());
        if (keys.isEmpty()) {
            throw DbError(QStringLiteral("%1: 写し先 '%2' に行を突き合わせる索引の項目がありません")
                              .arg(name_, table));
        }
        rows = appendUpdating(source, columns, connection, table, keys);
    }
    if (guard) guard->commit();
    return rows;
}

}  // namespace vantir
