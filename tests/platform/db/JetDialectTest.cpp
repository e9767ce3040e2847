#include "TempDatabase.h"
#include "platform/db/DbError.h"
#include "platform/db/JetDialect.h"
#include "platform/db/SqlQuote.h"
#include "platform/db/Statement.h"

namespace vantir::test {
namespace {

class JetDialectTest : public TempDatabase {};

// The first value of the first row of a query, or the rows an action statement changed.
QVariant outcome(Connection& db, const QStringList& lines) {
    Statement statement = db.prepare(lines);
    const bool hasRow = statement.step();
    if (statement.columnCount() == 0) return qint64(statement.changes());
    return hasRow ? statement.value(0) : QVariant();
}

// The statements the system writes, in the order a day's work would run them, each with
// what it must give on SQLite.
TEST_F(JetDialectTest, JetStatementsRunAsWritten) {
    const struct {
        QStringList lines;
        QVariant expected;
    } steps[] = {
        // Table changes of the database upgrade.
        {{"CREATE Table FLG_DATA", "(FCODE INT,GCODE INT,GNAME VARCHAR(10),",
          "FDATA CHAR(2),FNAME VARCHAR(20))"},
         qint64(0)},
        {{"INSERT INTO FLG_DATA", "(FCODE,GCODE,GNAME,FDATA,FNAME)",
          "VALUES (7,3,'f_SeikyuK','1','降し日')"},
         qint64(1)},
        {{"INSERT INTO FLG_DATA", "(FCODE,GCODE,GNAME,FDATA,FNAME)",
          "VALUES (6,3,'f_SeikyuK','0','通常')"},
         qint64(1)},
        {{"SELECT FDATA,FNAME FROM FLG_DATA WHERE GCODE = 3 ORDER BY FCODE"}, "0"},
        {{"SELECT COUNT(*) FROM FLG_DATA"}, qint64(2)},
        {{"DROP Table FLG_DATA"}, qint64(0)},
        {{"CREATE Table himas3", "(KCODE text(6),KNAME VARCHAR(40),YCODE text(6),",
          "SIME char(2),URI_FLG small)"},
         qint64(0)},
        {{"ALTER TABLE HIMAS3", "ADD KY_KBN Char(1)"}, qint64(0)},
        {{"CREATE TABLE HITRAN1 (CODE VARCHAR(6),KCODE VARCHAR(6),DDAY VARCHAR(8),",
          "UKING INT,UHIYO INT,TANCOD VARCHAR(2),TANMEI VARCHAR(20),CHKDAY VARCHAR(8))"},
         qint64(0)},
        {{"CREATE TABLE WK_SEK_HED (KCODE VARCHAR(6),KNAME VARCHAR(40),DDAY VARCHAR(8),",
          "HYMD VARCHAR(8),THYMD VARCHAR(8),UKING INT,UHIYO INT,YKING INT,SKING INT,",
          "INKING INT)"},
         qint64(0)},
        {{"ALTER TABLE WK_SEK_HED", "ADD SHOZEI INTEGER"}, qint64(0)},
        {{"ALTER TABLE WK_SEK_HED", "ADD ZKING INTEGER"}, qint64(0)},
        {{"ALTER TABLE WK_SEK_HED", "ADD GKING INTEGER"}, qint64(0)},
        // Partners: kinds, closing days and the sales marks of the invoice run.
        {{"INSERT INTO HIMAS3 (KCODE,KNAME,YCODE,SIME,KY_KBN)",
          "VALUES ('000001','東京運送','000001','20','1')"},
         qint64(1)},
        {{"INSERT INTO HIMAS3 (KCODE,KNAME,YCODE,SIME,KY_KBN)",
          "VALUES ('000002','大阪商事','000002','20','2')"},
         qint64(1)},
        {{"INSERT INTO HIMAS3 (KCODE,KNAME,YCODE,SIME)", "VALUES ('000003','','000003','99')"},
         qint64(1)},
        {{"UpDate HIMAS3 SET URI_FLG = 0"}, qint64(3)},
        {{"SELECT COUNT(KCODE) FROM HIMAS3 WHERE SIME = '20'"}, qint64(2)},
        {{"SELECT COUNT(*) FROM HIMAS3", "WHERE (KY_KBN <> '2') OR (KY_KBN Is Null)"}, qint64(2)},
        {{"SELECT * FROM HIMAS3", "WHERE (KY_KBN <> '1') OR (KY_KBN Is Null)",
          "ORDER BY KCODE DESC"},
         "000003"},
        // Slips across the turn of the century: text order and date order differ.
        {{"INSERT INTO HITRAN1 (CODE,KCODE,DDAY,UKING,TANCOD)",
          "VALUES ('1','000001','99/12/20',1000,'01')"},
         qint64(1)},
        {{"INSERT INTO HITRAN1 (CODE,KCODE,DDAY,UKING,UHIYO,TANCOD,TANMEI,CHKDAY)",
          "VALUES ('2','000001','00/01/10',2000,50,'01','','00/01/15')"},
         qint64(1)},
        {{"UpDate HITRAN1 SET UHIYO = 0", "WHERE UHIYO IS NULL"}, qint64(1)},
        {{"UpDate HITRAN1 SET TANMEI = " + sqlQuote(QStringLiteral("O'Hara")),
          "WHERE TANCOD = '01'", "AND ((TANMEI IS NULL) OR (TANMEI = ''))"},
         qint64(2)},
        {{"SELECT SUM(UKING + UHIYO) FROM HITRAN1", "WHERE KCODE = '000001'",
          "AND (CvDate(DDAY) >= CvDate('99/12/01') AND CvDate(DDAY) <= CvDate('00/01/31'))"},
         qint64(3050)},
        {{"SELECT SUM(UKING) + SUM(UHIYO) FROM HITRAN1", "WHERE KCODE = '000001'",
          "AND DDAY >= '99/12/01' AND DDAY <= '00/01/31'"},
         QVariant()},  // as text, '99/12/01' comes after '00/01/31'
        {{"SELECT COUNT(*) FROM HITRAN1", "WHERE DDAY >= '00/01/01'AND DDAY <= '00/01/31'"},
         qint64(1)},
        {{"SELECT COUNT(*) FROM HITRAN1", "WHERE DDAY = '99/12/20'", "AND (CHKDAY Is Null",
          "OR CHKDAY = '')"},
         qint64(1)},
        {{"SELECT COUNT(*) FROM HITRAN1", "WHERE DDAY = '00/01/10'", "AND (CHKDAY Is Not Null",
          "OR CHKDAY <> '')"},
         qint64(1)},
        {{"SELECT HITRAN1.*, HIMAS3.SIME", "FROM HITRAN1 INNER JOIN HIMAS3",
          "ON HITRAN1.KCODE = HIMAS3.KCODE", "WHERE DDAY >= '99/12/01'", "ORDER BY CODE DESC"},
         "1"},
        // The invoice header: quoted numbers into integer columns, tax by the database.
        {{"INSERT INTO WK_SEK_HED (KCODE,KNAME,DDAY,HYMD,THYMD)",
          "VALUES('000001'," + sqlQuote(QStringLiteral("O'Hara")) +
              ",'03/05/01','03/05/01','03/05/31')"},
         qint64(1)},
        {{"UPDATE WK_SEK_HED", "SET UKING = '123457'", "WHERE UKING IS NULL"}, qint64(1)},
        {{"UPDATE WK_SEK_HED", "SET UHIYO = '0'", "WHERE UHIYO IS NULL"}, qint64(1)},
        {{"UPDATE WK_SEK_HED", "SET SHOZEI = '5'", "WHERE YKING IS NULL"}, qint64(1)},
        {{"UPDATE WK_SEK_HED", "SET ZKING = UKING * SHOZEI / 100", "WHERE SKING IS NULL"},
         qint64(1)},
        {{"UPDATE WK_SEK_HED", "SET GKING = UKING + ZKING + UHIYO", "WHERE INKING IS NULL"},
         qint64(1)},
        {{"SELECT typeof(UKING) || typeof(SHOZEI) || typeof(ZKING) FROM WK_SEK_HED"},
         "integerintegerinteger"},
        {{"SELECT GKING FROM WK_Sek_Hed"}, qint64(123457 + 6172)},
        {{"UpDate WK_SEK_HED ", "SET SKING = '0' ", "WHERE KCODE = '000001' ",
          "AND THYMD = '03/05/31'"},
         qint64(1)},
        {{"SELECT * FROM wk_sek_hed", "WHERE KCODE = '000001'", " AND THYMD = '03/05/31'"},
         "000001"},
        {{"SELECT KNAME From WK_SEK_HED"}, "O'Hara"},
        // Work tables filled from queries, then emptied.
        {{"CREATE TABLE HWRK1 (CODE VARCHAR(6),KCODE VARCHAR(6),UKING INT)"}, qint64(0)},
        {{"INSERT INTO HWRK1", "(CODE,KCODE,UKING)", "SELECT", "CODE,KCODE,UKING",
          "FROM HITRAN1 ORDER BY CODE"},
         qint64(2)},
        {{"Update HWRK1 Set UKING = 0 WHERE UKING IS NULL"}, qint64(0)},
        {{"DELETE FROM HWRK1", "WHERE UKING = 1000"}, qint64(1)},
        {{"DROP Table HWRK1"}, qint64(0)},
    };
    for (const auto& step : steps) {
        SCOPED_TRACE(step.lines.join(QLatin1Char('\n')).toStdString());
        EXPECT_EQ(outcome(db, step.lines), step.expected);
    }
}

// Jet forms SQLite would read with another meaning are refused with a message naming the
// form, before anything runs; the same characters inside text or comments are only text.
TEST_F(JetDialectTest, RefusesJetFormsThatWouldGiveAnotherResult) {
    run({{"CREATE TABLE HIMAS3 (KCODE VARCHAR(6),KNAME VARCHAR(30),KADD1 VARCHAR(40))"},
         {"INSERT INTO HIMAS3 VALUES ('000001','東京運送','港区')"}});
    const struct {
        const char* sql;
        const char* named;  // what the message must show of the form
    } refused[] = {
        {"SELECT 'a' & 'b'", "& による文字列の連結"},
        {"SELECT KNAME & KADD1 FROM HIMAS3", "& による文字列の連結"},
        {"SELECT TOP 5 * FROM HIMAS3 ORDER BY KCODE", "TOP 5"},
        {"SELECT DISTINCT top 1 KCODE FROM HIMAS3", "TOP 1"},
        {"SELECT * FROM HIMAS3 WHERE CvDate(KADD1) >= #03/05/20#", "日付 #03/05/20#"},
        {"SELECT * FROM HIMAS3 WHERE KNAME LIKE '東京*'", "LIKE '東京*' の *"},
        {"SELECT * FROM HIMAS3 WHERE KNAME NOT Like\n'*運送'", "LIKE '*運送' の *"},
        {"SELECT * FROM HIMAS3 WHERE KNAME = \"東京運送\"", "二重引用符の文字列 \"東京運送\""},
        {"UPDATE HIMAS3 SET KADD1 = \"港区\" WHERE KCODE = '000001'",
         "二重引用符の文字列 \"港区\""},
        {"INSERT INTO HIMAS3 (KCODE) VALUES (\"000002\")", "二重引用符の文字列 \"000002\""},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.sql);
        try {
            db.prepare(QString::fromUtf8(c.sql));
            ADD_FAILURE() << "ran";
        } catch (const DbError& error) {
            EXPECT_TRUE(error.message().startsWith("この SQL の書き方には対応していません: "))
                << error.message().toStdString();
            EXPECT_TRUE(error.message().contains(QString::fromUtf8(c.named)))
                << error.message().toStdString();
        }
    }
    EXPECT_EQ(db.scalar("SELECT COUNT(*) FROM HIMAS3 WHERE KADD1 = '港区'").toInt(), 1);

    const struct {
        const char* sql;
        QVariant expected;
    } allowed[] = {
        {"SELECT 'a' || 'b'", "ab"},
        {"SELECT 'A&B #1# TOP 5 \"x\"' -- & TOP 5 #1#", "A&B #1# TOP 5 \"x\""},
        {"SELECT COUNT(*) FROM HIMAS3 WHERE KNAME LIKE '東京%'", qint64(1)},
        {"SELECT COUNT(*) FROM HIMAS3 WHERE KNAME = '*'", qint64(0)},
        {"SELECT KCODE FROM HIMAS3 ORDER BY KCODE LIMIT 1", "000001"},
        {"SELECT 6 * 7", qint64(42)},
    };
    for (const auto& c : allowed) {
        EXPECT_EQ(outcome(db, {QString::fromUtf8(c.sql)}), c.expected) << c.sql;
    }
}

// The names the program quotes (a copied column "HWRK1.SIME") stay names wherever they
// stand, also on the right of a comparison, as a record filter may put them.
TEST_F(JetDialectTest, QuotedNamesStayNames) {
    const QString copied = sqlIdentifier(QStringLiteral("HWRK1.SIME"));
    ASSERT_EQ(copied, "\"HWRK1.SIME\"");
    const struct {
        QString sql;
        QVariant expected;
    } steps[] = {
        {"CREATE TABLE HWRK9 (KCODE VARCHAR(6)," + copied + " VARCHAR(2),SIME VARCHAR(2))",
         qint64(0)},
        {"INSERT INTO HWRK9 (KCODE," + copied + ",SIME) VALUES ('000001','20','20')", qint64(1)},
        {"INSERT INTO HWRK9 (KCODE," + copied + ",SIME) VALUES ('000002','99','15')", qint64(1)},
        {"SELECT " + copied + " FROM HWRK9 WHERE " + copied + " = '99'", "99"},
        {"SELECT KCODE FROM HWRK9 WHERE SIME = " + copied, "000001"},
        {"UPDATE HWRK9 SET " + copied + " = '15' WHERE (" + copied + " = SIME)", qint64(1)},
    };
    for (const auto& step : steps) {
        EXPECT_EQ(outcome(db, {step.sql}), step.expected) << step.sql.toStdString();
    }
    // A quoted name the table lacks is reported as the text it may have been meant as.
    try {
        db.prepare("SELECT \"HWRK1.SAIT\" FROM HWRK9");
        ADD_FAILURE() << "ran";
    } catch (const DbError& error) {
        EXPECT_TRUE(error.message().contains("HWRK1.SAIT")) << error.message().toStdString();
    }
}

TEST(JetDialect, RewritesOnlyTheFunctionNamesSqliteReservesAndNeverInsideText) {
    const struct {
        const char* jet;
        const char* sqlite;
    } cases[] = {
        {"SELECT Left(KNAME, 2), RIGHT (KNAME,1) FROM HIMAS3",
         "SELECT JET_LEFT(KNAME, 2), JET_RIGHT (KNAME,1) FROM HIMAS3"},
        {"SELECT * FROM A LEFT JOIN B ON A.K = B.K", "SELECT * FROM A LEFT JOIN B ON A.K = B.K"},
        {"SELECT 'Left(x)', \"Right(\" FROM [Left] -- Left(",
         "SELECT 'Left(x)', \"Right(\" FROM [Left] -- Left("},
        {"UPDATE T SET A = 'it''s Left(' WHERE B = left/**/(C, 1)",
         "UPDATE T SET A = 'it''s Left(' WHERE B = JET_LEFT/**/(C, 1)"},
        {"SELECT 'unterminated Left(", "SELECT 'unterminated Left("},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(translateJetSql(QString::fromUtf8(c.jet)), QString::fromUtf8(c.sqlite));
    }
}

}  // namespace
}  // namespace vantir::test
