#include "billing/rules/LiteralInvoiceCustomerMarks.h"

#include "billing/rules/InvoiceCustomerMarks.h"
#include "data/DataModule1.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/db/DbError.h"
#include "platform/db/SqlQuote.h"

namespace vantir {

namespace {

QStringList salesOf(const QString& code, const BillingPeriod& period, MarkComparison comparison) {
    if (comparison == MarkComparison::Text)
        return {QStringLiteral("SELECT Nz(SUM(UKING), 0) + Nz(SUM(UHIYO), 0) FROM HITRAN1"),
                QStringLiteral("WHERE KCODE = ") + sqlQuote(code),
                QStringLiteral("AND DDAY >= ") + sqlQuote(period.first) +
                    QStringLiteral(" AND DDAY <= ") + sqlQuote(period.last)};
    return {QStringLiteral("SELECT SUM(UKING + UHIYO) FROM HITRAN1"),
            QStringLiteral("WHERE KCODE = ") + sqlQuote(code),
            QStringLiteral("AND (CvDate(DDAY) >= CvDate(") + sqlQuote(period.first) +
                QStringLiteral(") AND CvDate(DDAY) <= CvDate(") + sqlQuote(period.last) +
                QStringLiteral("))")};
}

}  // namespace

int LiteralInvoiceCustomerMarks::markWithSales(DataModule1& dm1, const QString& closingDay,
                                               const BillingPeriod& period,
                                               MarkComparison comparison) {
    QueryDataset& count = dm1.qExpr();
    count.setSql(
        {QStringLiteral("SELECT COUNT(KCODE) FROM HIMAS3 WHERE SIME = ") + sqlQuote(closingDay)});
    count.open();
    const int customers = int(count.value(QStringLiteral("Expr1000")).toLongLong());
    count.close();

    QueryDataset& list = dm1.query(QStringLiteral("Q_HIM3SQ"));
    list.close();
    list.setParam(QStringLiteral("SIME"), closingDay);
    list.open();
    list.first();
    QueryDataset& sum = dm1.querySum();
    QueryDataset& update = dm1.query1();
    int marked = 0;
    try {
        for (int i = 0; i < customers; ++i) {
            const QString code = list.text(QStringLiteral("KCODE"));
            sum.setSql(salesOf(code, period, comparison));
            sum.open();
            const double sales = sum.value(QStringLiteral("Expr1000")).toDouble();
            sum.close();
            if (sales > 0) {
                update.setSql({QStringLiteral("UpDate HIMAS3 SET URI_FLG = %1")
                                   .arg(InvoiceCustomerMarks::kMarked),
                               QStringLiteral("WHERE KCODE = ") + sqlQuote(code)});
                update.execSql();
                ++marked;
            }
            list.next();
        }
    } catch (const DbError&) {
        // The walk has always stopped quietly here; the marks made so far stay.
    }
    list.close();
    return marked;
}

}  // namespace vantir
