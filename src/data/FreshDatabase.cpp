#include "data/FreshDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "data/FlgDataRows.h"
#include "data/Schema.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/TransactionGuard.h"

namespace vantir {

void FreshDatabase::build(Connection& connection) {
    TransactionGuard guard(connection);
    for (const TableLayout& layout : Schema::tables()) {
        connection.execute(layout.createStatement());
        for (const QString& index : layout.indexStatements()) connection.execute(index);
    }

    connection.execute(QStringLiteral("INSERT INTO SHOZEI (CODE,ZEIGAKU) VALUES (1,10)"));
    FlgDataRows::insertInto(connection);
    connection.execute(
        QStringLiteral("INSERT INTO COP_DAT (CODE,RPT_FLG,RPT_FLG2) VALUES ('1','0','0')"));
    connection.execute(
        QStringLiteral("INSERT INTO S_CONTROL (CODE,VSIM,VSIT,VYOT,VKETU) "
                       "VALUES ('1','99','1','99','03')"));
    guard.commit();
}

Result FreshDatabase::createFile(const QString& path) {
    if (QFileInfo::exists(path)) {
        return Result::failure(QStringLiteral("%1 already exists; it is left as it is.")
                                   .arg(QDir::toNativeSeparators(path)));
    }
    const QString folder = QFileInfo(path).absolutePath();
    if (!QDir().mkpath(folder)) {
        return Result::failure(QStringLiteral("The folder %1 cannot be created.")
                                   .arg(QDir::toNativeSeparators(folder)));
    }
    try {
        Connection connection;
        connection.open(path, /*create=*/true);
        build(connection);
        connection.close();
    } catch (const DbError&) {
        QFile::remove(path);
        throw;
    }
    return Result::success();
}

}  // namespace vantir
