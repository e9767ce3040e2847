#include "data/TableLayout.h"

#include "platform/db/WholeNumberColumn.h"

namespace vantir {

QStringList TableLayout::columnNames() const {
    QStringList names;
    names.reserve(columns.size());
    for (const ColumnInfo& info : columns) names.append(info.name);
    return names;
}

const ColumnInfo* TableLayout::column(const QString& columnName) const {
    for (const ColumnInfo& info : columns) {
        if (info.name.compare(columnName, Qt::CaseInsensitive) == 0) return &info;
    }
    return nullptr;
}

QString TableLayout::createStatement() const {
    QStringList definitions;
    definitions.reserve(columns.size());
    for (const ColumnInfo& info : columns) {
        definitions.append(info.name + QLatin1Char(' ') + declaredTypeFor(info.type, info.width));
    }
    return QStringLiteral("CREATE TABLE ") + name + QStringLiteral(" (") +
           definitions.join(QLatin1Char(',')) + QLatin1Char(')');
}

QStringList TableLayout::indexStatements() const {
    QStringList statements;
    for (const QString& column : indexedColumns) {
        statements.append(QStringLiteral("CREATE INDEX %1_%2 ON %1 (%2)").arg(name, column));
    }
    for (const QString& column : numberColumns) {
        statements.append(WholeNumberColumn(name, column).indexStatements());
    }
    return statements;
}

}  // namespace vantir
