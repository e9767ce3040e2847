#include "platform/db/WholeNumberColumn.h"

#include <limits>

#include "platform/db/Connection.h"
#include "platform/db/SqlQuote.h"
#include "platform/db/Statement.h"

namespace vantir {

namespace {

constexpr qint64 kGreatestWholeNumber = std::numeric_limits<qint32>::max();

}  // namespace

WholeNumberColumn::WholeNumberColumn(QString table, QString column)
    : table_(std::move(table)), column_(std::move(column)) {}

// The engine matches an index to a statement by the text of its expressions, so the
// statements below are built from these same pieces.
QString WholeNumberColumn::trimmed() const {
    return QStringLiteral("trim(%1, ' ')").arg(sqlIdentifier(column_));
}

// A text CAST to INTEGER stops at the first non-digit and saturates at the 64-bit limit,
// so the bound also refuses a long run of digits.
QString WholeNumberColumn::plainCondition() const {
    const QString t = trimmed();
    return QStringLiteral("%1 <> '' AND %1 NOT GLOB '*[^0-9]*' AND CAST(%1 AS INTEGER) <= %2")
        .arg(t)
        .arg(kGreatestWholeNumber);
}

QString WholeNumberColumn::otherCondition() const {
    return QStringLiteral("%1 <> '' AND NOT (%2)").arg(trimmed(), plainCondition());
}

QStringList WholeNumberColumn::indexStatements() const {
    const QString prefix = table_ + u'_' + column_;
    return {QStringLiteral("CREATE INDEX %1 ON %2 (CAST(%3 AS INTEGER)) WHERE %4")
                .arg(sqlIdentifier(prefix + QStringLiteral("_NUMBER")), sqlIdentifier(table_),
                     trimmed(), plainCondition()),
            QStringLiteral("CREATE INDEX %1 ON %2 (%3) WHERE %4")
                .arg(sqlIdentifier(prefix + QStringLiteral("_OTHER")), sqlIdentifier(table_),
                     sqlIdentifier(column_), otherCondition())};
}

std::optional<qint64> WholeNumberColumn::greatestPlain(Connection& connection) const {
    const QVariant greatest =
        connection.scalar(QStringLiteral("SELECT MAX(CAST(%1 AS INTEGER)) FROM %2 WHERE %3")
                              .arg(trimmed(), sqlIdentifier(table_), plainCondition()));
    if (greatest.isNull()) return std::nullopt;
    return greatest.toLongLong();
}

void WholeNumberColumn::forEachOther(Connection& connection,
                                     const std::function<bool(const QString&)>& visit) const {
    Statement others = connection.prepare(
        QStringLiteral("SELECT %1 FROM %2 WHERE %3 ORDER BY %1 DESC")
            .arg(sqlIdentifier(column_), sqlIdentifier(table_), otherCondition()));
    while (others.step()) {
        if (!visit(others.value(0).toString())) return;
    }
}

std::optional<qint64> WholeNumberColumn::plainValue(const QString& text) {
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text[begin] == u' ') ++begin;
    while (end > begin && text[end - 1] == u' ') --end;
    if (begin == end) return std::nullopt;
    qint64 value = 0;
    for (qsizetype i = begin; i < end; ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9') return std::nullopt;
        // Past the bound the value no longer matters: it is refused whatever follows.
        if (value <= kGreatestWholeNumber) value = value * 10 + (c - u'0');
    }
    if (value > kGreatestWholeNumber) return std::nullopt;
    return value;
}

}  // namespace vantir
