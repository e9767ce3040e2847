#include "platform/dataset/LookupSource.h"

#include "platform/dataset/ValueKinds.h"
#include "platform/db/Database.h"
#include "platform/db/DbError.h"
#include "platform/db/Statement.h"

namespace vantir {

LookupSource::LookupSource(Database& database, QString name, QString sql, QString key)
    : database_(database), name_(std::move(name)), sql_(std::move(sql)), key_(std::move(key)) {}

QVariant LookupSource::value(const QVariant& key, const QString& column) const {
    Connection& connection = database_.connection();
    if (!readAt_ || *readAt_ != connection.dataStamp()) read(connection);
    const int index = columnIndex(column);
    if (index < 0) {
        throw DbError(QStringLiteral("参照先 %2 に項目 '%1' が見つかりません").arg(column, name_));
    }
    if (key.isNull()) return {};
    const auto found = rows_.constFind(key.toString());
    return found == rows_.cend() ? QVariant() : found->value(index);
}

void LookupSource::read(Connection& connection) const {
    readAt_.reset();
    rows_.clear();
    Statement statement = connection.prepare(sql_);
    columns_ = statement.columnNames();
    const int keyIndex = columnIndex(key_);
    if (keyIndex < 0) {
        throw DbError(
            QStringLiteral("参照先 %1 にキーの項目 '%2' が見つかりません").arg(name_, key_));
    }
    while (statement.step()) {
        const QVariant key = statement.value(keyIndex);
        if (key.isNull()) continue;
        const QString text = key.toString();
        if (rows_.contains(text)) continue;
        QVariantList values;
        values.reserve(columns_.size());
        for (int c = 0; c < columns_.size(); ++c) {
            const QVariant value = statement.value(c);
            // Whole numbers as the datasets give them out.
            values << (isWholeNumber(value) ? QVariant(value.toLongLong()) : value);
        }
        rows_.insert(text, values);
    }
    // Taken after the read: a read may itself bring in work other connections committed.
    readAt_ = connection.dataStamp();
}

int LookupSource::columnIndex(const QString& column) const {
    for (int i = 0; i < columns_.size(); ++i) {
        if (columns_[i].compare(column, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

}  // namespace vantir
