#include "monthly/rules/AggregateRow.h"

#include "platform/db/Connection.h"

namespace vantir {

const QStringList& AggregateRow::columnNames() {
    static const QStringList names = {
        QStringLiteral("KCODE"),  QStringLiteral("KNAME"),   QStringLiteral("YCODE"),
        QStringLiteral("TENCOD"), QStringLiteral("SIME"),    QStringLiteral("SAIT"),
        QStringLiteral("UKING"),  QStringLiteral("SKING"),   QStringLiteral("UHIYO"),
        QStringLiteral("SHIYO"),  QStringLiteral("INKING"),  QStringLiteral("INSKING"),
        QStringLiteral("HYMD"),   QStringLiteral("SYMD"),    QStringLiteral("SHYMD"),
        QStringLiteral("SIMEFLG"), QStringLiteral("NUKING"), QStringLiteral("HSKING"),
        QStringLiteral("URIZAN"), QStringLiteral("SIRZAN"),  QStringLiteral("SHOZEI"),
        QStringLiteral("ZKING"),  QStringLiteral("GKING")};
    return names;
}

std::vector<AggregateRow> AggregateRow::partners(Connection& workingCopy) {
    const QStringList copied = columnNames().mid(0, kCopiedFromPartner);
    Statement statement = workingCopy.prepare(QStringLiteral("SELECT ") +
                                              copied.join(u',') + QStringLiteral(" FROM HIMAS3"));
    std::vector<AggregateRow> rows;
    while (statement.step()) {
        AggregateRow row;
        for (int column = 0; column < kCopiedFromPartner; ++column)
            row.values_[column] = statement.value(column);
        rows.push_back(std::move(row));
    }
    return rows;
}

bool AggregateRow::close(const QString& periodEnd, std::initializer_list<Column> amounts,
                         std::initializer_list<Column> kept) {
    set(HYMD, periodEnd);
    set(SYMD, periodEnd);
    for (Column column : amounts) {
        if (values_[column].isNull()) set(column, qint64(0));
    }
    qint64 total = 0;
    for (Column column : kept) total += amount(column);
    return total != 0;
}

void AggregateRow::insert(Connection& workingCopy, const QString& table,
                          const std::vector<AggregateRow>& rows) {
    if (rows.empty()) return;
    QStringList marks;
    for (int column = 0; column < ColumnCount; ++column) marks.append(QStringLiteral("?"));
    Statement statement = workingCopy.prepare(QStringLiteral("INSERT INTO ") + table + u'(' +
                                              columnNames().join(u',') +
                                              QStringLiteral(") VALUES (") + marks.join(u',') + u')');
    for (const AggregateRow& row : rows) {
        statement.reset();
        for (int column = 0; column < ColumnCount; ++column)
            statement.bind(column + 1, row.values_[column]);
        statement.step();
    }
}

}  // namespace vantir
