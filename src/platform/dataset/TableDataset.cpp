#include "platform/dataset/TableDataset.h"

#include <QHash>
#include <QSet>
#include <algorithm>
#include <vector>

#include "platform/dataset/RowBlockCache.h"
#include "platform/db/Database.h"
#include "platform/db/DbError.h"
#include "platform/db/SqlQuote.h"
#include "platform/db/Statement.h"

namespace vantir {

struct TableDataset::State {
    QString table;        // as written into statements
    QStringList columns;  // as written into statements, in the table's order
    QStringList orderBy;  // index columns as written into statements
    QString condition;    // the filter in force
    Params params;
    std::vector<qint64> ids;  // row ids in the dataset's order
    RowBlockCache cache;
    qint64 rowsFetched = 0;
};

namespace {

Statement prepareBound(Connection& connection, const QString& sql, const Params& params) {
    Statement statement = connection.prepare(sql);
    for (const auto& [name, value] : params) statement.bind(name, value);
    return statement;
}

}  // namespace

TableDataset::TableDataset(Database& database, QString name, QString tableName,
                           QString indexFieldNames)
    : Dataset(database, std::move(name)),
      tableName_(std::move(tableName)),
      indexFieldNames_(std::move(indexFieldNames)),
      d_(std::make_unique<State>()) {}

TableDataset::~TableDataset() = default;

void TableDataset::setTableName(const QString& table) {
    if (isOpen()) {
        throw DbError(QStringLiteral("%1: 開いている間は表を変えられません").arg(name()));
    }
    tableName_ = table;
}

void TableDataset::setIndexFieldNames(const QString& columns) {
    const QString before = indexFieldNames_;
    indexFieldNames_ = columns;
    if (!isOpen()) return;
    try {
        refresh();
    } catch (const DbError&) {
        indexFieldNames_ = before;
        throw;
    }
}

qint64 TableDataset::rowsFetched() const { return d_->rowsFetched; }

QList<ColumnInfo> TableDataset::describe() {
    if (tableName_.isEmpty()) {
        throw DbError(QStringLiteral("%1: 表の名前が設定されていません").arg(name()));
    }
    Connection& connection = database().connection();
    const QStringList names = connection.columnNames(tableName_);
    if (names.isEmpty()) {
        throw DbError(QStringLiteral("表 '%1' が見つかりません").arg(tableName_));
    }
    const QStringList types = connection.declaredTypes(tableName_);
    QList<ColumnInfo> columns;
    for (int i = 0; i < names.size(); ++i) {
        columns << columnInfoFromDeclaredType(names[i], types.value(i));
    }

    QStringList orderBy;
    for (const QString& part : indexFieldNames_.split(QLatin1Char(';'), Qt::SkipEmptyParts)) {
        const QString wanted = part.trimmed();
        if (wanted.isEmpty()) continue;
        const auto found = std::find_if(names.begin(), names.end(), [&](const QString& n) {
            return n.compare(wanted, Qt::CaseInsensitive) == 0;
        });
        if (found == names.end()) {
            throw DbError(
                QStringLiteral("索引の項目 '%1' は表 '%2' にありません").arg(wanted, tableName_));
        }
        orderBy << sqlIdentifier(*found);
    }
    d_->table = sqlIdentifier(tableName_);
    d_->columns.clear();
    for (const QString& column : names) d_->columns << sqlIdentifier(column);
    d_->orderBy = orderBy;
    return columns;
}

void TableDataset::load(const QString& filterSql, const Params& filterParams) {
    QString sql = QStringLiteral("SELECT rowid FROM ") + d_->table;
    if (!filterSql.isEmpty()) sql += QStringLiteral(" WHERE ") + filterSql;
    // rowid last: rows equal in the index keep the order they were stored in.
    sql += QStringLiteral(" ORDER BY ") +
           (d_->orderBy.isEmpty()
                ? QStringLiteral("rowid")
                : d_->orderBy.join(QStringLiteral(", ")) + QStringLiteral(", rowid"));
    Statement statement = prepareBound(database().connection(), sql, filterParams);
    std::vector<qint64> ids;
    while (statement.step()) ids.push_back(statement.value(0).toLongLong());
    d_->ids = std::move(ids);
    d_->condition = filterSql;
    d_->params = filterParams;
    d_->rowsFetched = 0;
}

void TableDataset::unload() {
    d_->ids.clear();
    d_->ids.shrink_to_fit();
    d_->cache.clear();
}

int TableDataset::loadedCount() const { return int(d_->ids.size()); }

QVariantList TableDataset::fetchRow(int row) const {
    return d_->cache.row(row, loadedCount(),
                         [this](int first, int count) { return readRows(first, count); });
}

QList<QVariantList> TableDataset::readRows(int first, int count) const {
    QStringList marks;
    Params params;
    for (int i = 0; i < count; ++i) {
        const QString mark = QStringLiteral("id%1").arg(i);
        marks << QLatin1Char(':') + mark;
        params.emplace_back(mark, d_->ids[size_t(first + i)]);
    }
    const QString sql = QStringLiteral("SELECT rowid, %1 FROM %2 WHERE rowid IN (%3)")
                            .arg(d_->columns.join(QStringLiteral(", ")), d_->table,
                                 marks.join(QStringLiteral(", ")));
    Statement statement = prepareBound(database().connection(), sql, params);
    QHash<qint64, QVariantList> byId;
    const int columnCount = int(d_->columns.size());
    while (statement.step()) {
        QVariantList values;
        values.reserve(columnCount);
        for (int c = 1; c <= columnCount; ++c) values.append(statement.value(c));
        byId.insert(statement.integer(0), std::move(values));
    }
    QList<QVariantList> rows;
    rows.reserve(count);
    for (int i = 0; i < count; ++i) {
        // A row deleted through another view since the ids were read shows as empty.
        rows << byId.value(d_->ids[size_t(first + i)], QVariantList(columnCount));
    }
    d_->rowsFetched += count;
    return rows;
}

qint64 TableDataset::rowKey(int row) const {
    return row >= 0 && row < loadedCount() ? d_->ids[size_t(row)] : -1;
}

int TableDataset::rowOfKey(qint64 key) const {
    const auto found = std::find(d_->ids.begin(), d_->ids.end(), key);
    return found == d_->ids.end() ? -1 : int(found - d_->ids.begin());
}

int TableDataset::findRow(const QList<int>& columns, const QVariantList& values) const {
    QStringList conditions;
    if (!d_->condition.isEmpty()) conditions << QLatin1Char('(') + d_->condition + QLatin1Char(')');
    Params params = d_->params;
    for (int i = 0; i < columns.size(); ++i) {
        const QString mark = QStringLiteral("locate%1").arg(i + 1);
        // IS: NULL matches NULL; the column's type decides how a number or text compares.
        conditions << QStringLiteral("%1 IS :%2").arg(d_->columns[columns[i]], mark);
        params.emplace_back(mark, values[i]);
    }
    const QString sql = QStringLiteral("SELECT rowid FROM %1 WHERE %2")
                            .arg(d_->table, conditions.join(QStringLiteral(" AND ")));
    Statement statement = prepareBound(database().connection(), sql, params);
    QSet<qint64> matches;
    while (statement.step()) matches.insert(statement.value(0).toLongLong());
    if (matches.isEmpty()) return -1;
    const auto found = std::find_if(d_->ids.begin(), d_->ids.end(),
                                    [&](qint64 id) { return matches.contains(id); });
    return found == d_->ids.end() ? -1 : int(found - d_->ids.begin());
}

qint64 TableDataset::writeInsert(const QVariantList& values) {
    QStringList marks;
    Params params;
    for (int i = 0; i < d_->columns.size(); ++i) {
        const QString mark = QStringLiteral("v%1").arg(i + 1);
        marks << QLatin1Char(':') + mark;
        params.emplace_back(mark, values.value(i));
    }
    Connection& connection = database().connection();
    connection.execute(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                           .arg(d_->table, d_->columns.join(QStringLiteral(", ")),
                                marks.join(QStringLiteral(", "))),
                       params);
    return connection.scalar(QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
}

void TableDataset::writeUpdate(int row, const QVariantList& values, const QList<bool>& changed) {
    QStringList assignments;
    Params params;
    for (int i = 0; i < d_->columns.size(); ++i) {
        if (!changed.value(i)) continue;
        const QString mark = QStringLiteral("v%1").arg(i + 1);
        assignments << QStringLiteral("%1 = :%2").arg(d_->columns[i], mark);
        params.emplace_back(mark, values.value(i));
    }
    if (assignments.isEmpty()) return;
    params.emplace_back(QStringLiteral("rowid"), rowKey(row));
    const int written =
        database().connection().execute(QStringLiteral("UPDATE %1 SET %2 WHERE rowid = :rowid")
                                            .arg(d_->table, assignments.join(QStringLiteral(", "))),
                                        params);
    if (written == 0) {
        throw DbError(QStringLiteral("このレコードは他の画面で削除されたため登録できません"));
    }
}

void TableDataset::writeDelete(int row) {
    database().connection().execute(
        QStringLiteral("DELETE FROM %1 WHERE rowid = :rowid").arg(d_->table),
        {{QStringLiteral("rowid"), rowKey(row)}});
    d_->ids.erase(d_->ids.begin() + row);
    d_->cache.clear();
}

}  // namespace vantir
