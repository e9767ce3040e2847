#include "platform/dataset/QueryDataset.h"

#include "platform/dataset/RepeatedTexts.h"
#include "platform/db/Database.h"
#include "platform/db/DbError.h"
#include "platform/db/Statement.h"

namespace vantir {

struct QueryDataset::State {
    QList<QVariantList> rows;
};

namespace {

QString bareName(const QString& name) {
    return name.startsWith(QLatin1Char(':')) ? name.mid(1) : name;
}

}  // namespace

QueryDataset::QueryDataset(Database& database, QString name, QStringList sql)
    : Dataset(database, std::move(name)),
      designSql_(sql),
      sql_(std::move(sql)),
      d_(std::make_unique<State>()) {}

QueryDataset::~QueryDataset() = default;

void QueryDataset::setSql(const QStringList& lines) {
    close();
    sql_ = lines;
}

void QueryDataset::addSql(const QString& line) {
    close();
    sql_.append(line);
}

void QueryDataset::setParam(const QString& name, const QVariant& value) {
    const QString bare = bareName(name);
    for (auto& [known, stored] : params_) {
        if (known.compare(bare, Qt::CaseInsensitive) == 0) {
            stored = value;
            return;
        }
    }
    params_.emplace_back(bare, value);
}

QVariant QueryDataset::param(const QString& name) const {
    const QString bare = bareName(name);
    for (const auto& [known, stored] : params_) {
        if (known.compare(bare, Qt::CaseInsensitive) == 0) return stored;
    }
    return {};
}

QString QueryDataset::sqlText() const {
    const QString text = sql_.join(QLatin1Char('\n'));
    if (text.trimmed().isEmpty()) {
        throw DbError(QStringLiteral("%1: SQL が設定されていません").arg(name()));
    }
    return text;
}

int QueryDataset::execSql() { return database().connection().execute(sqlText(), params_); }

QList<ColumnInfo> QueryDataset::describe() {
    Statement statement = database().connection().prepare(sqlText());
    if (statement.columnCount() == 0) {
        throw DbError(QStringLiteral("%1: 行を返さない文は開けません（execSql で実行して下さい）")
                          .arg(name()));
    }
    QList<ColumnInfo> columns;
    for (int i = 0; i < statement.columnCount(); ++i) {
        columns << columnInfoFromDeclaredType(statement.columnName(i), statement.declaredType(i));
    }
    return columns;
}

void QueryDataset::load(const QString& filterSql, const Params& filterParams) {
    QString text = sqlText();
    Params params = params_;
    if (!filterSql.isEmpty()) {
        // The statement's own order is kept: the filter only drops rows.
        QString inner = text.trimmed();
        while (inner.endsWith(QLatin1Char(';'))) inner.chop(1);
        text =
            QStringLiteral("SELECT * FROM (\n") + inner + QStringLiteral("\n) WHERE ") + filterSql;
        params.insert(params.end(), filterParams.begin(), filterParams.end());
    }
    Statement statement = database().connection().prepare(text);
    for (const auto& [name, value] : params) statement.bind(name, value);
    QList<QVariantList> rows;
    const int columnCount = statement.columnCount();
    RepeatedTexts texts(columnCount);
    while (statement.step()) {
        QVariantList values;
        values.reserve(columnCount);
        for (int c = 0; c < columnCount; ++c) values.append(texts.value(statement, c));
        rows.append(std::move(values));
    }
    d_->rows = std::move(rows);
}

void QueryDataset::unload() { d_->rows.clear(); }

int QueryDataset::loadedCount() const { return int(d_->rows.size()); }

QVariantList QueryDataset::fetchRow(int row) const { return d_->rows.value(row); }

}  // namespace vantir
