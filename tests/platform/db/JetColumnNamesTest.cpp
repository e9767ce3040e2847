#include "TempDatabase.h"
#include "platform/db/Statement.h"

namespace vantir::test {
namespace {

class JetColumnNamesTest : public TempDatabase {
  protected:
    void SetUp() override {
        TempDatabase::SetUp();
        run({{"CREATE TABLE HITRAN1 (CODE VARCHAR(6),KCODE VARCHAR(6),KNAME VARCHAR(40),",
              "UKING INT,UHIYO INT)"},
             {"CREATE TABLE HIMAS3 (KCODE VARCHAR(6),KNAME VARCHAR(40),SIME VARCHAR(2))"},
             {"CREATE TABLE WK_SEIKYU (KCODE VARCHAR(6),UKING INT)"},
             {"CREATE VIEW V_SUM AS SELECT KCODE, SUM(UKING) AS TOTAL, COUNT(*) FROM HITRAN1 "
              "GROUP BY KCODE"},
             {"INSERT INTO HITRAN1 VALUES ('1','000001','東京運送',1000,10)"},
             {"INSERT INTO HIMAS3 VALUES ('000001','東京運送','20')"}});
    }
};

TEST_F(JetColumnNamesTest, UnnamedExpressionsAreExprAndTheirPosition) {
    const struct {
        const char* sql;
        QStringList names;
    } cases[] = {
        {"SELECT COUNT(*) FROM HITRAN1", {"Expr1000"}},
        {"SELECT SUM(UKING) FROM WK_SEIKYU", {"Expr1000"}},
        {"SELECT SUM(UKING) + SUM(UHIYO) FROM HITRAN1", {"Expr1000"}},
        {"select count(kcode) from himas3", {"Expr1000"}},
        {"SELECT KCODE, SUM(UKING) FROM HITRAN1 GROUP BY KCODE", {"KCODE", "Expr1001"}},
        {"SELECT 1, 'x', NULL, -UKING FROM HITRAN1",
         {"Expr1000", "Expr1001", "Expr1002", "Expr1003"}},
        {"SELECT Left(KNAME, 2), CvDate('03/05/20') FROM HITRAN1", {"Expr1000", "Expr1001"}},
        {"SELECT COUNT(*) AS N, KCODE AS K, SUM(UKING) AS [売上 合計] FROM HITRAN1",
         {"N", "K", "売上 合計"}},
        {"select kcode, Uking from hitran1", {"KCODE", "UKING"}},
        {"SELECT * FROM HIMAS3", {"KCODE", "KNAME", "SIME"}},
        {"SELECT N FROM (SELECT COUNT(*) AS N FROM HITRAN1)", {"N"}},
        {"SELECT * FROM (SELECT COUNT(*) FROM HITRAN1)", {"Expr1000"}},
        {"SELECT KCODE, TOTAL FROM V_SUM", {"KCODE", "TOTAL"}},
        {"SELECT HITRAN1.*, HIMAS3.SIME FROM HITRAN1 INNER JOIN HIMAS3 "
         "ON HITRAN1.KCODE = HIMAS3.KCODE",
         {"CODE", "KCODE", "KNAME", "UKING", "UHIYO", "SIME"}},
        {"SELECT HITRAN1.KNAME, HIMAS3.KNAME, HIMAS3.SIME FROM HITRAN1 INNER JOIN HIMAS3 "
         "ON HITRAN1.KCODE = HIMAS3.KCODE",
         {"HITRAN1.KNAME", "HIMAS3.KNAME", "SIME"}},
        {"DELETE FROM WK_SEIKYU", {}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sql);
        Statement statement = db.prepare(QString::fromUtf8(c.sql));
        statement.step();
        EXPECT_EQ(statement.columnNames(), c.names);
    }
}

TEST_F(JetColumnNamesTest, CountAndSumAreReadAsExpr1000) {
    Statement count = db.prepare(QStringList{"SELECT COUNT(*) FROM HITRAN1", "WHERE CODE = '1'"});
    ASSERT_TRUE(count.step());
    EXPECT_EQ(count.value(QStringLiteral("Expr1000")), QVariant(qint64(1)));

    Statement sum = db.prepare(QStringLiteral("SELECT SUM(UKING) FROM WK_SEIKYU"));
    ASSERT_TRUE(sum.step());
    EXPECT_FALSE(sum.value(QStringLiteral("EXPR1000")).isValid());  // an empty sum is NULL
}

TEST_F(JetColumnNamesTest, NamesFollowATableThatWasReplaced) {
    Statement statement = db.prepare(QStringLiteral("SELECT * FROM WK_SEIKYU"));
    run({{"DROP TABLE WK_SEIKYU"},
         {"CREATE TABLE WK_SEIKYU (KCODE VARCHAR(6),UKING INT,GKING INT)"}});
    statement.step();
    EXPECT_EQ(statement.columnNames(), (QStringList{"KCODE", "UKING", "GKING"}));
}

}  // namespace
}  // namespace vantir::test
