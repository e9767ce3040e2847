#include "billing/rules/InvoiceRun.h"

#include "billing/rules/InvoiceAmounts.h"
#include "data/BatchMove.h"
#include "data/DataModule1.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/dataset/TableDataset.h"
#include "platform/db/SqlQuote.h"
#include "platform/db/TransactionGuard.h"

namespace vantir {

namespace {

const QString kSlipColumns = QStringLiteral(
    "HYMD,THYMD,CODE,SEKBN,DDAY,KCODE,KNAME,HATTI,THTTI,TON,UKING,YCODE,YNAME,SHBAN,YKING,"
    "SKING,BIKO,UHIYO,SHIYO,TANCOD,TANMEI,INKING,INSKING,SUB1,SUBM,CHKDAY,SHOZEI,ZKING,GKING");

// The customer's invoice header rows of a period end in the sales ledger: their slip
// number is empty, which no ledger line copied from a numbered slip has.
QString headerRowsOf(const QString& code, const BillingPeriod& period) {
    return QStringLiteral("WHERE KCODE = ") + sqlQuote(code) + QStringLiteral(" AND THYMD = ") +
           sqlQuote(period.last) + QStringLiteral(" AND (CODE IS NULL OR CODE = '')");
}

QString headerOf(const QString& code, const BillingPeriod& period) {
    return QStringLiteral("WHERE KCODE = ") + sqlQuote(code) + QStringLiteral(" AND THYMD = ") +
           sqlQuote(period.last);
}

qint64 sumOf(Connection& connection, const QString& sql) {
    return connection.scalar(sql).toLongLong();  // an empty sum (NULL) counts as 0
}

}  // namespace

std::optional<qint64> InvoiceRun::readTaxRate() {
    QueryDataset& rate = dm1_.query(QStringLiteral("Q_Shozei"));
    rate.close();
    rate.open();
    std::optional<qint64> value;
    if (!rate.isEmpty()) value = rate.value(QStringLiteral("ZEIGAKU")).toLongLong();
    rate.close();
    return value;
}

Result InvoiceRun::print(const QString& code, const QString& name, const BillingPeriod& period) {
    if (code.isEmpty()) return Result::notice(noCustomerMessage());
    const std::optional<qint64> rate = readTaxRate();
    if (!rate) return Result::failure(noTaxRateMessage());

    Connection& connection = dm1_.database().connection();
    TableDataset& header = dm1_.table(QStringLiteral("WK_SEK_HED"));
    TableDataset& ledger = dm1_.table(QStringLiteral("HITRANM"));
    header.close();
    dm1_.query(QStringLiteral("QWK_Seikyu")).close();
    TransactionGuard guard(connection);
    connection.execute(QStringLiteral("DELETE FROM WK_SEIKYU"));
    connection.execute(QStringLiteral("DELETE FROM WK_SEK_HED"));
    connection.execute(
        QStringList{QStringLiteral("INSERT INTO WK_SEIKYU (") + kSlipColumns + QLatin1Char(')'),
                    QStringLiteral("SELECT ") + kSlipColumns, QStringLiteral("FROM HITRAN1"),
                    QStringLiteral("WHERE DDAY >= ") + sqlQuote(period.first) +
                        QStringLiteral(" AND DDAY <= ") + sqlQuote(period.last) +
                        QStringLiteral(" AND KCODE = ") + sqlQuote(code)}
            .join(QLatin1Char('\n')));
    connection.execute(QStringLiteral("DELETE FROM HITRANM\n") + headerRowsOf(code, period));

    const qint64 sales = sumOf(connection, QStringLiteral("SELECT SUM(UKING) FROM WK_SEIKYU"));
    const qint64 costs = sumOf(connection, QStringLiteral("SELECT SUM(UHIYO) FROM WK_SEIKYU"));
    const qint64 tax = invoiceAmounts::tax(sales, *rate);
    connection.execute(
        QStringLiteral("INSERT INTO WK_SEK_HED (KCODE,KNAME,DDAY,HYMD,THYMD,UKING,UHIYO,SHOZEI,"
                       "ZKING,GKING)\nVALUES (:KCODE,:KNAME,:FIRST,:FIRST,:LAST,:UKING,:UHIYO,"
                       ":SHOZEI,:ZKING,:GKING)"),
        {{QStringLiteral("KCODE"), code},
         {QStringLiteral("KNAME"), name},
         {QStringLiteral("FIRST"), period.first},
         {QStringLiteral("LAST"), period.last},
         {QStringLiteral("UKING"), sales},
         {QStringLiteral("UHIYO"), costs},
         {QStringLiteral("SHOZEI"), *rate},
         {QStringLiteral("ZKING"), tax},
         {QStringLiteral("GKING"), sales + tax + costs}});
    BatchMove(QStringLiteral("BatchMove"), BatchMove::Mode::Append).execute(header, ledger);
    guard.commit();
    header.close();
    return Result::success();
}

std::optional<InvoiceRun::Header> InvoiceRun::readHeader(const QString& code,
                                                         const BillingPeriod& period) {
    QueryDataset& query = dm1_.query1();
    query.setSql({QStringLiteral("SELECT * FROM WK_SEK_HED"), headerOf(code, period)});
    query.open();
    std::optional<Header> header;
    if (!query.isEmpty()) {
        header = Header{query.value(QStringLiteral("UKING")).toLongLong(),
                        query.value(QStringLiteral("UHIYO")).toLongLong(),
                        query.value(QStringLiteral("SHOZEI")).toLongLong()};
    }
    query.close();
    return header;
}

std::optional<qint64> InvoiceRun::discountForRate(const QString& code, const BillingPeriod& period,
                                                  qint64 ratePercent) {
    if (ratePercent <= 0) return std::nullopt;
    const std::optional<Header> header = readHeader(code, period);
    return invoiceAmounts::discountForRate(header ? header->sales : 0, ratePercent);
}

bool InvoiceRun::applyDiscount(const QString& code, const BillingPeriod& period, qint64 discount) {
    if (discount < 0) return false;
    const std::optional<Header> header = readHeader(code, period);
    if (!header) return false;
    const invoiceAmounts::Discounted amounts =
        invoiceAmounts::afterDiscount(header->sales, header->costs, header->rate, discount);

    Connection& connection = dm1_.database().connection();
    dm1_.table(QStringLiteral("WK_SEK_HED")).close();
    const Params values{{QStringLiteral("SKING"), discount},
                        {QStringLiteral("ZKING"), amounts.tax},
                        {QStringLiteral("GKING"), amounts.total}};
    TransactionGuard guard(connection);
    connection.execute(QStringLiteral("UpDate WK_SEK_HED SET SKING = :SKING, ZKING = :ZKING, "
                                      "GKING = :GKING\n") +
                           headerOf(code, period),
                       values);
    connection.execute(QStringLiteral("UpDate HITRANM SET SKING = :SKING, ZKING = :ZKING, "
                                      "GKING = :GKING\n") +
                           headerRowsOf(code, period),
                       values);
    guard.commit();
    return true;
}

}  // namespace vantir
