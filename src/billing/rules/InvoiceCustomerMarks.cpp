#include "billing/rules/InvoiceCustomerMarks.h"

#include "platform/db/Connection.h"
#include "platform/db/SqlQuote.h"
#include "platform/db/TransactionGuard.h"

namespace vantir {

namespace {

// The slips of the period. Compared as dates, CvDate is worked out once per distinct
// billing date rather than once per slip, and the slips are then found through the DDAY
// index: the same slips, since the condition depends on DDAY alone.
QStringList periodCondition(const BillingPeriod& period, MarkComparison comparison) {
    if (comparison == MarkComparison::Text)
        return {QStringLiteral("AND DDAY >= ") + sqlQuote(period.first) +
                QStringLiteral(" AND DDAY <= ") + sqlQuote(period.last)};
    return {QStringLiteral("AND DDAY IN (SELECT D FROM (SELECT DISTINCT DDAY AS D FROM HITRAN1)"),
            QStringLiteral("  WHERE CvDate(D) >= CvDate(") + sqlQuote(period.first) +
                QStringLiteral(") AND CvDate(D) <= CvDate(") + sqlQuote(period.last) +
                QStringLiteral("))")};
}

QString salesCondition(MarkComparison comparison) {
    return comparison == MarkComparison::Date
               ? QStringLiteral("HAVING SUM(UKING + UHIYO) > 0")
               : QStringLiteral("HAVING Nz(SUM(UKING), 0) + Nz(SUM(UHIYO), 0) > 0");
}

}  // namespace

void InvoiceCustomerMarks::clear(Connection& connection) {
    // Only the rows not at 0 are written: the same partners end unmarked.
    connection.execute(
        QStringLiteral("UpDate HIMAS3 SET URI_FLG = 0\nWHERE URI_FLG IS NULL OR URI_FLG <> 0"));
}

int InvoiceCustomerMarks::markWithSales(Connection& connection, const QString& closingDay,
                                        const BillingPeriod& period, MarkComparison comparison) {
    // A customer's code marks every partner row holding it, as the per-customer
    // statements "WHERE KCODE = code" do.
    QStringList sql{QStringLiteral("UpDate HIMAS3 SET URI_FLG = %1").arg(kMarked),
                    QStringLiteral("WHERE KCODE IN (SELECT KCODE FROM HITRAN1"),
                    QStringLiteral("WHERE KCODE IN (SELECT KCODE FROM HIMAS3 WHERE SIME = ") +
                        sqlQuote(closingDay) + QLatin1Char(')')};
    sql << periodCondition(period, comparison);
    sql << QStringLiteral("GROUP BY KCODE") << salesCondition(comparison) + QLatin1Char(')');
    return connection.execute(sql.join(QLatin1Char('\n')));
}

int InvoiceCustomerMarks::remark(Connection& connection, const QString& closingDay,
                                 const BillingPeriod& period, MarkComparison comparison) {
    TransactionGuard guard(connection);
    clear(connection);
    const int marked = markWithSales(connection, closingDay, period, comparison);
    guard.commit();
    return marked;
}

}  // namespace vantir
