#include "maintenance/rules/YearEndPurge.h"

#include <QDir>
#include <QFileInfo>

#include "maintenance/rules/DataSourceRegistration.h"
#include "maintenance/rules/DatabaseLocation.h"
#include "platform/dates/DateText.h"
#include "platform/db/Database.h"
#include "platform/db/DbError.h"
#include "platform/db/SqlQuote.h"
#include "platform/db/TransactionGuard.h"
#include "platform/system/Messages.h"

namespace vantir {
namespace {

// Where main databases lie, the DataBase folder first.
QList<DatabaseLocation> mainDatabases(const QString& programDir) {
    QList<DatabaseLocation> found;
    for (const DatabaseLocation& location :
         {DatabaseLocation::inDataBaseFolder(programDir), DatabaseLocation::older(programDir)}) {
        if (location.mainDatabaseExists()) found << location;
    }
    return found;
}

QString archiveBeside(const DatabaseLocation& location, int year) {
    return QFileInfo(location.mainDatabase).dir().filePath(YearEndPurge::archiveFileName(year));
}

}  // namespace

YearEndPurge::YearEndPurge(QString programDir, Database& mainDatabase, Registry& registry,
                           Messages& messages)
    : programDir_(std::move(programDir)),
      mainDatabase_(mainDatabase),
      registry_(registry),
      messages_(messages) {}

QStringList YearEndPurge::yearChoices(const QDate& today) {
    QStringList years;
    for (int back = 0; back < 4; ++back) years << QString::number(today.year() - back);
    return years;
}

QString YearEndPurge::presetYear(const QDate& today) { return QString::number(today.year() - 2); }

QStringList YearEndPurge::monthChoices() {
    QStringList months;
    for (int month = 1; month <= 12; ++month) months << QStringLiteral("%1").arg(month, 2, 10, QLatin1Char('0'));
    return months;
}

QString YearEndPurge::bound(int year, int month) {
    return formatYyMmDd(QDate(year, month, 1).addMonths(1));
}

QStringList YearEndPurge::purgeStatements(const QString& bound) {
    const QString quoted = sqlQuote(bound);
    QStringList statements;
    for (const char* table : {"HIMAS31", "HIMAS32", "HIMAS33"})
        statements << QStringLiteral("Delete From %1 Where HYMD <= %2").arg(QLatin1String(table), quoted);
    for (const char* table : {"HITRAN1", "HITRAN2", "HITRAN3", "HITRANM", "HITRANS"})
        statements << QStringLiteral("Delete From %1 Where DDAY < %2").arg(QLatin1String(table), quoted);
    return statements;
}

QString YearEndPurge::archiveFileName(int year) {
    return QStringLiteral("VANTIR%1.mdb").arg(year, 4, 10, QLatin1Char('0'));
}

QString YearEndPurge::archiveDataSource(int year) {
    return QStringLiteral("Rinji%1").arg(year, 4, 10, QLatin1Char('0'));
}

void YearEndPurge::run(int year, int month) {
    const QString purgeBound = bound(year, month);
    if (messages_.question(QStringLiteral("年度末データ処理を行いますか?"),
                           QStringLiteral("別名保存"))) {
        const Result archived = archive(year);
        if (!archived) {
            // The year would be lost for good if the deletes ran without its archive.
            messages_.error(archived.message);
            return;
        }
        archivedYears_.insert(year);
    }
    if (messages_.question(QStringLiteral("指定月以前のデータを削除します\nよろしいですか。"),
                           QStringLiteral("削除"))) {
        Result purged;
        try {
            purged = purge(mainDatabase_.connection(), purgeBound);
        } catch (const DbError& error) {  // the main database does not open
            purged = Result::failure(error.message());
        }
        if (!purged) messages_.error(purged.message);
    }
    if (archivedYears_.contains(year)) registerArchive(year);
}

Result YearEndPurge::archive(int year) {
    for (const DatabaseLocation& location : mainDatabases(programDir_)) {
        const QString archiveFile = archiveBeside(location, year);
        try {
            Connection source;
            source.open(location.mainDatabase, /*create=*/false);
            source.snapshotTo(archiveFile);
        } catch (const DbError& error) {
            return Result::failure(
                QStringLiteral("年度データを保存できませんでした。データは削除していません。\n%1\n%2")
                    .arg(QDir::toNativeSeparators(archiveFile), error.message()));
        }
    }
    return Result::success();
}

Result YearEndPurge::purge(Connection& mainDatabase, const QString& bound) {
    try {
        TransactionGuard transaction(mainDatabase);
        for (const QString& statement : purgeStatements(bound)) mainDatabase.execute(statement);
        transaction.commit();
        return Result::success();
    } catch (const DbError& error) {
        return Result::failure(error.message());
    }
}

void YearEndPurge::registerArchive(int year) {
    // A second location registers after the first and its archive is the one named.
    for (const DatabaseLocation& location : mainDatabases(programDir_))
        DataSourceRegistration::write(registry_, archiveDataSource(year), archiveBeside(location, year));
}

}  // namespace vantir
