#include "cash/rules/CashListQuery.h"

#include "data/DataModule1.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/db/SqlQuote.h"

namespace vantir {

CashListQuery::CashListQuery(const CashSide& side, DataModule1& data)
    : side_(side), query_(data.query(side.listQuery)) {}

QStringList CashListQuery::selectionSql(const CashSide& side, const QString& since,
                                        const QString& until, const QString& partner) {
    QStringList sql{QStringLiteral("SELECT * FROM ") + side.table,
                    QStringLiteral("WHERE DDAY >= ") + sqlQuote(since),
                    QStringLiteral("AND DDAY <= ") + sqlQuote(until)};
    if (!partner.isEmpty())
        sql << QStringLiteral("AND ") + side.partnerCode + QStringLiteral(" = ") +
                   sqlQuote(partner);
    return sql;
}

void CashListQuery::select(const QString& since, const QString& until, const QString& partner) {
    query_.close();
    query_.setSql(selectionSql(side_, since, until, partner));
    openAsItIs();
}

void CashListQuery::openAsItIs() {
    query_.close();
    query_.setFiltered(false);
    query_.open();
}

void CashListQuery::narrowToCodes(const QString& from, const QString& to) {
    if (from.isEmpty() && to.isEmpty()) {
        query_.setFiltered(false);
        return;
    }
    query_.setFilter(side_.partnerCode + QStringLiteral(" >= ") + sqlQuote(from) +
                     QStringLiteral(" AND ") + side_.partnerCode + QStringLiteral(" <= ") +
                     sqlQuote(to));
    query_.setFiltered(true);
}

}  // namespace vantir
