#include "TempDatabase.h"
#include "platform/db/SqlQuote.h"

namespace vantir::test {
namespace {

class SqlQuoteTest : public TempDatabase {};

const char* const awkwardNames[] = {
    "O'Hara",
    "",
    "'",
    "''",
    "x' OR '1'='1",
    "a'; DROP TABLE HIMAS3; --",
    "/* 'comment' */ --",
    "株式会社\u3000山田's 運送",
    "line\nbreak",
    "back\\slash",
};

TEST_F(SqlQuoteTest, DoublesEveryQuoteInsideOneLiteral) {
    EXPECT_EQ(sqlQuote(QStringLiteral("O'Hara")), QStringLiteral("'O''Hara'"));
    EXPECT_EQ(sqlQuote(QString()), QStringLiteral("''"));
    EXPECT_EQ(sqlQuote(QStringLiteral("''")), QStringLiteral("''''''"));
    EXPECT_EQ(sqlQuote(QStringLiteral("東京")), QStringLiteral("'東京'"));
}

TEST_F(SqlQuoteTest, AQuotedNameNeverChangesTheStatement) {
    run({{"CREATE TABLE HIMAS3 (KCODE VARCHAR(6),KNAME VARCHAR(40))"},
         {"INSERT INTO HIMAS3 VALUES ('000001','other')"}});
    for (const char* raw : awkwardNames) {
        const QString name = QString::fromUtf8(raw);
        SCOPED_TRACE(raw);
        EXPECT_EQ(db.execute(QStringList{"INSERT INTO HIMAS3 (KCODE,KNAME)",
                                         "VALUES ('000002'," + sqlQuote(name) + ")"}
                                 .join(QLatin1Char('\n'))),
                  1);
        const QString where = QStringLiteral("WHERE KNAME = ") + sqlQuote(name);
        EXPECT_EQ(db.scalar(QStringLiteral("SELECT KNAME FROM HIMAS3 ") + where), QVariant(name));
        EXPECT_EQ(db.execute(QStringLiteral("DELETE FROM HIMAS3 ") + where), 1);
    }
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM HIMAS3")), QVariant(qint64(1)));
}

}  // namespace
}  // namespace vantir::test
