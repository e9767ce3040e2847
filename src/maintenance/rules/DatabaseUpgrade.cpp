#include "maintenance/rules/DatabaseUpgrade.h"

#include "data/BatchMove.h"
#include "data/FlgDataRows.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/dataset/TableDataset.h"
#include "platform/db/Database.h"
#include "platform/db/DbError.h"
#include "platform/db/TransactionGuard.h"

namespace vantir {

bool DatabaseUpgrade::run() {
    error_.clear();
    changes_.clear();
    addPartnerTransactionType();
    try {
        createControlTable();
        createCarrierMonthlyTable();
        rebuildCodeTable();
    } catch (const DbError& failure) {
        error_ = failure.message();
        return false;
    }
    addReportLayoutSwitches();
    return true;
}

int DatabaseUpgrade::columnCount(const QString& table) {
    return static_cast<int>(database_.connection().columnNames(table).size());
}

void DatabaseUpgrade::execute(const QStringList& lines) {
    database_.connection().execute(lines.join(QLatin1Char('\n')));
}

void DatabaseUpgrade::addPartnerTransactionType() {
    try {
        if (columnCount(QStringLiteral("HIMAS3")) >= 35) return;
        execute({QStringLiteral("ALTER TABLE HIMAS3"), QStringLiteral("ADD KY_KBN Char(1)")});
        changes_ << QStringLiteral("HIMAS3: added the column KY_KBN");
    } catch (const DbError&) {
    }
}

void DatabaseUpgrade::createControlTable() {
    if (database_.connection().tableExists(QStringLiteral("S_CONTROL"))) return;
    execute({QStringLiteral("CREATE Table S_CONTROL"),
             QStringLiteral("(CODE char(2),VSIM char(2),VSIT char(1),"),
             QStringLiteral("VYOT char(2),VKETU char(2),VTCD char(2),"),
             QStringLiteral("VPRN char(1),VHEN char(1),VSUB char(2))")});
    changes_ << QStringLiteral("S_CONTROL: created, empty");
}

void DatabaseUpgrade::createCarrierMonthlyTable() {
    if (database_.connection().tableExists(QStringLiteral("HIMAS32"))) return;
    QueryDataset query1(database_, QStringLiteral("Query1"),
                        {QStringLiteral("SELECT * FROM HIMAS31")});
    TableDataset table1(database_, QStringLiteral("Table1"), QStringLiteral("HIMAS32"));
    const BatchMove batchMove1(QStringLiteral("BatchMove1"), BatchMove::Mode::Copy);
    batchMove1.execute(query1, table1);
    query1.close();
    execute({QStringLiteral("DELETE FROM HIMAS32")});
    changes_ << QStringLiteral("HIMAS32: created with the columns of HIMAS31, empty");
}

void DatabaseUpgrade::rebuildCodeTable() {
    Connection& connection = database_.connection();
    const qint64 rows =
        connection.scalar(QStringLiteral("SELECT COUNT(*) FROM FLG_DATA")).toLongLong();
    if (rows >= 7) return;
    // The rows are dropped and rebuilt together, so a failure keeps the old rows instead
    // of leaving the drop-down lists without a table.
    TransactionGuard guard(connection);
    execute({QStringLiteral("DROP Table FLG_DATA")});
    execute({QStringLiteral("CREATE Table FLG_DATA"),
             QStringLiteral("(FCODE INT,GCODE INT,GNAME VARCHAR(10),"),
             QStringLiteral("FDATA CHAR(2),FNAME VARCHAR(20))")});
    FlgDataRows::insertInto(connection);
    guard.commit();
    changes_ << QStringLiteral("FLG_DATA: rebuilt with its 7 code rows (had %1)").arg(rows);
}

void DatabaseUpgrade::addReportLayoutSwitches() {
    try {
        if (columnCount(QStringLiteral("COP_DAT")) >= 10) return;
        execute({QStringLiteral("ALTER TABLE COP_DAT"), QStringLiteral("ADD RPT_FLG Char(1)")});
        changes_ << QStringLiteral("COP_DAT: added the column RPT_FLG");
        execute({QStringLiteral("ALTER TABLE COP_DAT"), QStringLiteral("ADD RPT_FLG2 Char(1)")});
        changes_ << QStringLiteral("COP_DAT: added the column RPT_FLG2");
        execute({QStringLiteral("UPDATE COP_DAT SET RPT_FLG = '1'")});
        changes_ << QStringLiteral("COP_DAT: RPT_FLG set to 1 in every row");
        execute({QStringLiteral("UPDATE COP_DAT SET RPT_FLG2 = '1'")});
        changes_ << QStringLiteral("COP_DAT: RPT_FLG2 set to 1 in every row");
    } catch (const DbError&) {
    }
}

}  // namespace vantir
