#include "data/FreshDatabase.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "data/Schema.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/TransactionGuard.h"

namespace vantir {

namespace {

// The code lists behind the drop-down lists: site flag, deposit type, billing class.
struct CodeRow {
    int fcode;
    int gcode;
    const char* gname;
    const char* fdata;
    const char* fname;
};

constexpr CodeRow kCodeRows[] = {
    {1, 1, "f_siteF", "1", "自社締日"},   {2, 1, "f_siteF", "2", "通常"},
    {3, 1, "f_siteF", "3", "相手締相殺"}, {4, 2, "f_YokinF", "1", "普通"},
    {5, 2, "f_YokinF", "2", "当座"},      {6, 3, "f_SeikyuK", "0", "通常"},
    {7, 3, "f_SeikyuK", "1", "降し日"},
};

}  // namespace

void FreshDatabase::build(Connection& connection) {
    TransactionGuard guard(connection);
    for (const TableLayout& layout : Schema::tables()) {
        connection.execute(layout.createStatement());
        for (const QString& index : layout.indexStatements()) connection.execute(index);
    }

    connection.execute(QStringLiteral("INSERT INTO SHOZEI (CODE,ZEIGAKU) VALUES (1,10)"));
    for (const CodeRow& row : kCodeRows) {
        connection.execute(QStringLiteral("INSERT INTO FLG_DATA (FCODE,GCODE,GNAME,FDATA,FNAME) "
                                          "VALUES (:FCODE,:GCODE,:GNAME,:FDATA,:FNAME)"),
                           {{QStringLiteral("FCODE"), row.fcode},
                            {QStringLiteral("GCODE"), row.gcode},
                            {QStringLiteral("GNAME"), QString::fromUtf8(row.gname)},
                            {QStringLiteral("FDATA"), QString::fromUtf8(row.fdata)},
                            {QStringLiteral("FNAME"), QString::fromUtf8(row.fname)}});
    }
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
