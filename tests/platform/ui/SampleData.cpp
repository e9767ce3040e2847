#include "SampleData.h"

namespace vantir::test {

SampleData::SampleData() {
    execute({
        // NAME 10 bytes: five full-width characters. Codes are unique, so that a second
        // record with the same code is refused by the engine itself.
        QStringLiteral("CREATE TABLE SAMPLE (CODE VARCHAR(6), NAME VARCHAR(10), "
                       "KANA VARCHAR(10), QTY INT, SEKBN VARCHAR(1), TANCOD VARCHAR(2), "
                       "CHKDAY VARCHAR(8))"),
        QStringLiteral("CREATE UNIQUE INDEX SAMPLE_CODE ON SAMPLE (CODE)"),
        QStringLiteral("INSERT INTO SAMPLE (CODE, NAME, QTY, SEKBN, TANCOD) VALUES "
                       "('000001', '一番', 10, '0', '01'), ('000002', NULL, NULL, '1', '02'), "
                       "('000003', '三番', 30, '0', NULL)"),
        QStringLiteral("INSERT INTO HIMAS2 (TANCOD, TANMEI) VALUES ('01', '山田'), "
                       "('02', '佐藤')"),
    });
}

void SampleData::execute(const QStringList& statements) {
    for (const QString& statement : statements) database.connection().execute(statement);
}

qint64 SampleData::count(const QString& sql) {
    return database.connection().scalar(sql).toLongLong();
}

}  // namespace vantir::test
