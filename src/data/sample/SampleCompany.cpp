#include "data/sample/SampleCompany.h"

#include <QFile>

#include "data/FreshDatabase.h"
#include "data/sample/SamplePartners.h"
#include "data/sample/SampleRandom.h"
#include "data/sample/SampleTableWriter.h"
#include "data/sample/SampleTransactions.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/TransactionGuard.h"
#include "platform/system/Clock.h"

namespace vantir {

namespace {

void writeCodeNames(Connection& connection, const char* table, const char* codeColumn,
                    const char* nameColumn, const QList<SampleWords::CodeName>& rows) {
    SampleTableWriter writer(connection, QString::fromLatin1(table));
    for (const SampleWords::CodeName& row : rows) {
        writer.set(codeColumn, row.code);
        writer.set(nameColumn, row.name);
        writer.write();
    }
}

// The fresh database's company and control records, filled in: invoices print the
// company block, the own closing day is the month end, carriers are paid at the end of
// the next month, the fiscal year closes in March.
void writeCompany(Connection& connection) {
    connection.execute(
        QStringLiteral("UPDATE COP_DAT SET CNAME = :CNAME, CZIP = :CZIP, CADD1 = :CADD1, "
                       "CADD2 = :CADD2, CTEL = :CTEL, CFAX = :CFAX, CBANK = :CBANK, "
                       "CETC = :CETC WHERE CODE = '1'"),
        {{QStringLiteral("CNAME"), QStringLiteral("青葉運輸株式会社")},
         {QStringLiteral("CZIP"), QStringLiteral("136-0082")},
         {QStringLiteral("CADD1"), QStringLiteral("東京都江東区新木場2-5-8")},
         {QStringLiteral("CADD2"), QStringLiteral("青葉ビル3F")},
         {QStringLiteral("CTEL"), QStringLiteral("03-3521-4100")},
         {QStringLiteral("CFAX"), QStringLiteral("03-3521-4101")},
         {QStringLiteral("CBANK"), QStringLiteral("みずほ銀行 新木場支店 普通 1234567")},
         {QStringLiteral("CETC"), QStringLiteral("安全・確実・迅速な輸送をお約束します")}});
    connection.execute(
        QStringLiteral("UPDATE S_CONTROL SET VSIM = '99', VSIT = '1', VYOT = '99', "
                       "VKETU = '03', VTCD = :VTCD, VPRN = '1', VHEN = '0' WHERE CODE = '1'"),
        {{QStringLiteral("VTCD"), SampleCompany::ownOffice().code}});
}

}  // namespace

const SampleWords::CodeName& SampleCompany::ownOffice() { return SampleWords::branches().front(); }

void SampleCompany::fill(Connection& connection, const SampleCompanyOptions& options) {
    TransactionGuard guard(connection);
    SampleRandom random(options.seed);
    writeCompany(connection);
    writeCodeNames(connection, "HIMAS1", "TENCOD", "TENMEI", SampleWords::branches());
    writeCodeNames(connection, "HIMAS2", "TANCOD", "TANMEI", SampleWords::staff());
    const QList<SamplePartner> partners =
        SamplePartners::write(connection, random, options.partners);
    SampleTransactions transactions(connection, random, partners, options.months, Clock::today());
    transactions.writeSlips(options.slips);
    transactions.writeReceipts();
    transactions.writePayments();
    guard.commit();
}

Result SampleCompany::createFile(const QString& path, const SampleCompanyOptions& options) {
    const Result created = FreshDatabase::createFile(path);
    if (!created) return created;
    try {
        Connection connection;
        connection.open(path, /*create=*/false);
        fill(connection, options);
        connection.close();
    } catch (...) {
        QFile::remove(path);
        throw;
    }
    return Result::success();
}

}  // namespace vantir
