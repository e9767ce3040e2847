#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "TempDatabase.h"
#include "platform/db/DbError.h"
#include "platform/db/Statement.h"
#include "platform/db/TransactionGuard.h"

namespace vantir::test {
namespace {

class ConnectionTest : public TempDatabase {
  protected:
    void SetUp() override {
        TempDatabase::SetUp();
        run({{"CREATE TABLE HIMAS3 (KCODE VARCHAR(6),KNAME VARCHAR(40),UKING INT,RATE DOUBLE)"}});
    }
    void insertPartner(Connection& connection, const QString& code) {
        connection.execute(QStringLiteral("INSERT INTO HIMAS3 (KCODE) VALUES (:KCODE)"),
                           {{QStringLiteral("KCODE"), code}});
    }
    qint64 partners(Connection& connection) {
        return connection.scalar(QStringLiteral("SELECT COUNT(*) FROM HIMAS3")).toLongLong();
    }
};

TEST_F(ConnectionTest, NamedParametersBindEveryKindOfValueAndReadItBack) {
    const int changed = db.execute(
        QStringLiteral("INSERT INTO HIMAS3 (KCODE,KNAME,UKING,RATE) "
                       "VALUES (:KCODE,:kname,:UKING,:RATE)"),
        {{QStringLiteral(":KCODE"), QStringLiteral("000123")},
         {QStringLiteral("KNAME"), QVariant()},
         {QStringLiteral("UKING"), qint64(5'000'000'000)},  // a yearly total past 2^31 yen
         {QStringLiteral("RATE"), 2.5},
         {QStringLiteral("UNUSED"), 1}});
    EXPECT_EQ(changed, 1);

    Statement row = db.prepare(QStringList{QStringLiteral("SELECT * FROM himas3"),
                                           QStringLiteral("WHERE KCODE = :KCODE")});
    EXPECT_EQ(row.sql(), QStringLiteral("SELECT * FROM himas3\nWHERE KCODE = :KCODE"));
    row.bind(QStringLiteral("KCODE"), QStringLiteral("000123"));
    ASSERT_TRUE(row.step());
    EXPECT_EQ(row.columnNames(), (QStringList{"KCODE", "KNAME", "UKING", "RATE"}));
    EXPECT_EQ(row.value(QStringLiteral("kcode")), QVariant(QStringLiteral("000123")));
    EXPECT_FALSE(row.value(1).isValid());  // NULL stays NULL, not empty text
    EXPECT_EQ(row.value(2), QVariant(qint64(5'000'000'000)));
    EXPECT_EQ(row.value(3), QVariant(2.5));
    EXPECT_EQ(row.declaredType(0), QStringLiteral("VARCHAR(6)"));
    EXPECT_FALSE(row.step());
    EXPECT_THROW(row.value(QStringLiteral("NOPE")), DbError);
}

TEST_F(ConnectionTest, EmptyTextIsNotNullAndOtherValueTypesAreRefused) {
    const QString insert =
        QStringLiteral("INSERT INTO HIMAS3 (KCODE,KNAME) VALUES (:KCODE,:KNAME)");
    db.execute(insert,
               {{QStringLiteral("KCODE"), QString()}, {QStringLiteral("KNAME"), QVariant()}});
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT COUNT(*) FROM HIMAS3 "
                                       "WHERE KCODE = '' AND KNAME IS NULL")),
              QVariant(qint64(1)));
    for (const QVariant& value : {QVariant(QDate(2003, 5, 20)), QVariant(QStringList{"a"})}) {
        SCOPED_TRACE(value.typeName());
        EXPECT_THROW(db.execute(insert, {{QStringLiteral("KCODE"), value}}), DbError);
    }
    EXPECT_EQ(partners(db), 1);
}

// The raw accessors the long loops read with agree with value() on what they share.
TEST_F(ConnectionTest, RawAccessorsReadEmptyIntegerAndTextValues) {
    Statement row = db.prepare(QStringLiteral("SELECT NULL, 1234567890123, -5, '', '運送01'"));
    ASSERT_TRUE(row.step());
    EXPECT_TRUE(row.isNull(0));
    EXPECT_EQ(row.utf8(0), std::string_view());
    EXPECT_FALSE(row.isNull(1));
    EXPECT_EQ(row.integer(1), row.value(1).toLongLong());
    EXPECT_EQ(row.integer(2), -5);
    EXPECT_FALSE(row.isNull(3));  // empty text is no empty value
    EXPECT_EQ(row.integer(3), 0);
    EXPECT_EQ(QString::fromUtf8(row.utf8(4).data(), qsizetype(row.utf8(4).size())),
              row.value(4).toString());
}

TEST_F(ConnectionTest, ExecuteCountsTheRowsThatStatementChanged) {
    for (const char* code : {"000001", "000002", "000003"}) insertPartner(db, code);
    const struct {
        const char* sql;
        int changed;
    } cases[] = {
        {"UpDate HIMAS3 SET UKING = 0", 3},
        {"UPDATE HIMAS3 SET UKING = 1 WHERE KCODE = '000002'", 1},
        {"CREATE Table S_CONTROL (CODE char(2))", 0},  // not the last update's count
        {"SELECT * FROM HIMAS3", 0},
        {"DELETE FROM HIMAS3 WHERE KCODE = 'none'", 0},
        {"DELETE FROM HIMAS3", 3},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sql);
        EXPECT_EQ(db.execute(QString::fromUtf8(c.sql)), c.changed);
    }
}

TEST_F(ConnectionTest, TablesAndColumnsAreFoundWhateverTheCase) {
    run({{"ALTER TABLE himas3", "ADD KY_KBN Char(1)"}});
    EXPECT_TRUE(db.tableExists(QStringLiteral("HIMAS3")));
    EXPECT_TRUE(db.tableExists(QStringLiteral("Himas3")));
    EXPECT_FALSE(db.tableExists(QStringLiteral("HIMAS32")));
    EXPECT_FALSE(db.tableExists(QStringLiteral("HIMAS3' OR 'a'='a")));
    EXPECT_EQ(db.columnNames(QStringLiteral("himas3")),
              (QStringList{"KCODE", "KNAME", "UKING", "RATE", "KY_KBN"}));
    EXPECT_EQ(db.declaredTypes(QStringLiteral("HIMAS3")),
              (QStringList{"VARCHAR(6)", "VARCHAR(40)", "INT", "DOUBLE", "Char(1)"}));
    EXPECT_TRUE(db.columnNames(QStringLiteral("HIMAS32")).isEmpty());
}

TEST_F(ConnectionTest, ErrorsCarryTheEngineMessage) {
    const struct {
        QStringList sql;
        const char* message;
    } cases[] = {
        {{"SELECT * FROM HITRAN9"}, "no such table: HITRAN9"},
        {{"SELEC * FROM HIMAS3"}, "syntax error"},
        {{"INSERT INTO HIMAS3 (NOPE) VALUES (1)"}, "has no column named NOPE"},
        {{"CREATE Table HIMAS3", "(CODE char(2))"}, "already exists"},
        {{"ALTER TABLE HIMAS3", "ADD KCODE Char(1)"}, "duplicate column name: KCODE"},
        {{"SELECT Mid('abc', 0)"}, "Invalid procedure call"},
        {{"DELETE FROM HIMAS3;", "DROP TABLE HIMAS3"}, "Characters found after end"},
        {{"  ", "-- nothing"}, "empty"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.sql.join(QLatin1Char('\n')).toStdString());
        try {
            db.execute(c.sql.join(QLatin1Char('\n')));
            ADD_FAILURE() << "no error";
        } catch (const DbError& e) {
            EXPECT_TRUE(e.message().contains(QLatin1String(c.message))) << e.what();
        }
    }
    EXPECT_TRUE(db.tableExists(QStringLiteral("HIMAS3")));  // the second statement never ran
}

TEST_F(ConnectionTest, OpeningFailsWithTheEngineMessageAndThePath) {
    Connection other;
    const struct {
        QString path;
        const char* message;
    } cases[] = {
        {path(QStringLiteral("missing.mdb")), "unable to open database file"},
        {path(QStringLiteral("nodir/VANTIR.mdb")), "unable to open database file"},
        {path(QStringLiteral("garbage.mdb")), "file is not a database"},
    };
    QFile garbage(path(QStringLiteral("garbage.mdb")));
    ASSERT_TRUE(garbage.open(QIODevice::WriteOnly));
    garbage.write(QByteArray(4096, 'J'));
    garbage.close();
    for (const auto& c : cases) {
        SCOPED_TRACE(c.path.toStdString());
        try {
            other.open(c.path, /*create=*/false);
            ADD_FAILURE() << "opened";
        } catch (const DbError& e) {
            EXPECT_TRUE(e.message().contains(QLatin1String(c.message))) << e.what();
            EXPECT_TRUE(e.message().contains(c.path)) << e.what();
        }
        EXPECT_FALSE(other.isOpen());
    }
    EXPECT_FALSE(QFile::exists(path(QStringLiteral("missing.mdb"))));
    EXPECT_THROW(other.execute(QStringLiteral("SELECT 1")), DbError);
}

TEST_F(ConnectionTest, GuardRollsBackUnlessCommitted) {
    insertPartner(db, QStringLiteral("000001"));
    {
        TransactionGuard guard(db);
        EXPECT_TRUE(db.inTransaction());
        insertPartner(db, QStringLiteral("000002"));
        db.execute(QStringLiteral("DELETE FROM HIMAS3 WHERE KCODE = '000001'"));
    }
    EXPECT_FALSE(db.inTransaction());
    EXPECT_EQ(db.scalar(QStringLiteral("SELECT KCODE FROM HIMAS3")),
              QVariant(QStringLiteral("000001")));

    // A failure in the middle undoes what the guarded statements had written.
    try {
        TransactionGuard guard(db);
        insertPartner(db, QStringLiteral("000003"));
        db.execute(QStringLiteral("INSERT INTO HIMAS3 (NOPE) VALUES (1)"));
        guard.commit();
    } catch (const DbError&) {
    }
    EXPECT_EQ(partners(db), 1);

    {
        TransactionGuard guard(db);
        insertPartner(db, QStringLiteral("000004"));
        guard.commit();
    }
    EXPECT_EQ(partners(db), 2);
    EXPECT_NO_THROW(db.rollback());  // nothing open: nothing to undo
}

TEST_F(ConnectionTest, SnapshotCopiesWhatIsCommittedWhileTheFileIsInUse) {
    insertPartner(db, QStringLiteral("000001"));
    const QString copyPath = path(QStringLiteral("VANTIRX.mdb"));
    QFile old(copyPath);  // whatever was there before is replaced
    ASSERT_TRUE(old.open(QIODevice::WriteOnly));
    old.write("an old working copy that is no database");
    old.close();
    {
        Connection writer;
        writer.open(path(), false);
        TransactionGuard pending(writer);
        insertPartner(writer, QStringLiteral("000002"));  // not committed: not in the copy
        db.snapshotTo(copyPath);
    }
    insertPartner(db, QStringLiteral("000003"));  // the source stays in use afterwards

    Connection copy;
    copy.open(copyPath, false);
    EXPECT_EQ(partners(copy), 1);
    EXPECT_EQ(copy.scalar(QStringLiteral("SELECT KCODE FROM HIMAS3")),
              QVariant(QStringLiteral("000001")));
    EXPECT_EQ(copy.declaredTypes(QStringLiteral("HIMAS3")),
              db.declaredTypes(QStringLiteral("HIMAS3")));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::Files).size(), 2);  // no temporary left
}

// A database keeping a write-ahead log has committed pages outside its file, which a copy
// of the file would lose: it is refused, not copied short.
TEST_F(ConnectionTest, SnapshotRefusesADatabaseWithAWriteAheadLog) {
    insertPartner(db, QStringLiteral("000001"));
    db.scalar(QStringLiteral("PRAGMA journal_mode = WAL"));
    EXPECT_THROW(db.snapshotTo(path(QStringLiteral("VANTIRX.mdb"))), DbError);
    EXPECT_FALSE(QFileInfo::exists(path(QStringLiteral("VANTIRX.mdb"))));
}

TEST_F(ConnectionTest, RefusedSnapshotLeavesEveryFileAsItWas) {
    insertPartner(db, QStringLiteral("000001"));
    EXPECT_THROW(db.snapshotTo(path()), DbError);
    EXPECT_THROW(db.snapshotTo(path(QStringLiteral("nodir/VANTIRX.mdb"))), DbError);
    {
        TransactionGuard guard(db);
        EXPECT_THROW(db.snapshotTo(path(QStringLiteral("VANTIRX.mdb"))), DbError);
    }
    EXPECT_EQ(partners(db), 1);
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot),
              QStringList{"VANTIR.mdb"});
}

}  // namespace
}  // namespace vantir::test
