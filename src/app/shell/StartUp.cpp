#include "app/shell/StartUp.h"

#include <QDir>
#include <QFileInfo>
#include <QLockFile>

#include "data/DatabaseFiles.h"
#include "data/FreshDatabase.h"
#include "data/WorkingCopy.h"
#include "maintenance/rules/DataSourceRegistration.h"
#include "maintenance/rules/DatabaseLocation.h"
#include "maintenance/rules/DatabaseUpgrade.h"
#include "platform/db/Database.h"
#include "platform/db/DbError.h"
#include "platform/system/Messages.h"
#include "platform/system/Registry.h"

namespace vantir {

const QString StartUp::kDataSourcesKey =
    QStringLiteral("\\Software\\ODBC\\ODBC.INI\\ODBC Data Sources");
const QString StartUp::kWorkingCopyKey = QStringLiteral("\\Software\\ODBC\\ODBC.INI\\VANTIRX");
const QString StartUp::kJetEngineKey =
    QStringLiteral("\\Software\\ODBC\\ODBC.INI\\VANTIRX\\Engines\\Jet");

namespace {

const QString kOwnOfficeMissing = QStringLiteral("自営業所設定を行って下さい。");

QString native(const QString& path) { return QDir::toNativeSeparators(path); }

}  // namespace

StartUp::StartUp(QString programDir, Registry& registry, Messages& messages)
    : programDir_(QDir(programDir).absolutePath()),
      registry_(registry),
      messages_(messages),
      regionalFormats_(registry) {}

StartUp::~StartUp() = default;

bool StartUp::run() {
    if (!QFileInfo(programDir_).isDir()) {
        messages_.notice(
            QStringLiteral("プログラムフォルダが見つかりません。\n%1").arg(native(programDir_)));
        return false;
    }
    if (!lockProgramDirectory() || !findMainDatabase()) return false;

    // The main database must open before anything is changed for this start: a damaged
    // file ends the program with every file as it was.
    Database mainDatabase(QStringLiteral("VANTIR"), mainDatabase_);
    if (!openMainDatabase(mainDatabase)) return false;

    regionalFormats_.force();
    if (!QFileInfo::exists(DatabaseFiles::workingCopy(programDir_))) registerWorkingCopy();

    // The upgrade runs before the working copy is taken, so that the copy has the same
    // tables and columns as the main database the monthly work carries its results into.
    DatabaseUpgrade upgrade(mainDatabase);
    upgradeCompleted_ = upgrade.run();
    if (!upgradeCompleted_) messages_.error(upgrade.error());

    if (!refreshWorkingCopy(mainDatabase.connection(), workingCopy_)) {
        messages_.notice(QStringLiteral("作業用データベースを作成できませんでした。\n%1\n"
                                        "月次処理と帳票は前回起動時のデータで行われます。")
                             .arg(native(workingCopy_)));
    }
    mainDatabase.disconnect();
    refreshOlderWorkingCopy();

    readOfficeSettings();
    return true;
}

void StartUp::shutDown() { regionalFormats_.restore(); }

bool StartUp::lockProgramDirectory() {
    // One running program per program directory: a second one would replace the working
    // copy the first is computing in. The lock goes with the process, so a crashed run
    // does not keep the directory locked.
    lock_ = std::make_unique<QLockFile>(QDir(programDir_).filePath(QStringLiteral("Vantir.lock")));
    lock_->setStaleLockTime(0);
    if (lock_->tryLock(0)) return true;
    if (lock_->error() == QLockFile::LockFailedError) {
        messages_.notice(QStringLiteral("このフォルダのVantirは既に起動しています。\n"
                                        "同じフォルダで二つ同時には起動できません。\n%1")
                             .arg(native(programDir_)));
    } else {
        messages_.notice(QStringLiteral("プログラムフォルダに書き込めないため起動できません。\n%1")
                             .arg(native(programDir_)));
    }
    return false;
}

bool StartUp::findMainDatabase() {
    const DatabaseLocation location = DatabaseLocation::inUse(programDir_);
    mainDatabase_ = location.mainDatabase;
    workingCopy_ = location.workingCopy;
    if (location.mainDatabaseExists()) return true;

    // A new program directory starts with an empty set of books rather than with nothing.
    try {
        const Result created = FreshDatabase::createFile(mainDatabase_);
        if (created) return true;
        messages_.notice(QStringLiteral("データベースを作成できません。\n%1").arg(created.message));
    } catch (const DbError& error) {
        messages_.notice(QStringLiteral("データベースを作成できません。\n%1\n%2")
                             .arg(native(mainDatabase_), error.message()));
    }
    return false;
}

bool StartUp::openMainDatabase(Database& database) {
    try {
        // Opening alone does not read the file; asking for a table does, and fails on a
        // file that is not a database.
        database.connection().tableExists(QStringLiteral("COP_DAT"));
        return true;
    } catch (const DbError& error) {
        messages_.notice(QStringLiteral("データベースを開けません。\n%1\n%2")
                             .arg(native(mainDatabase_), error.message()));
        return false;
    }
}

void StartUp::registerWorkingCopy() {
    DataSourceRegistration::write(registry_, QStringLiteral("VANTIRX"),
                                  DatabaseFiles::workingCopy(programDir_));
}

bool StartUp::refreshWorkingCopy(Connection& mainDatabase, const QString& workingCopy) {
    // A failure leaves the previous working copy in place instead of none.
    return WorkingCopy::snapshot(mainDatabase, workingCopy).ok;
}

void StartUp::refreshOlderWorkingCopy() {
    // A main database in the older place beside the one in DataBase gets its own fresh
    // working copy as well; the program itself works with the one in DataBase, so a
    // failure here goes unreported.
    const DatabaseLocation older = DatabaseLocation::older(programDir_);
    if (older.mainDatabase == mainDatabase_ || !older.mainDatabaseExists()) return;
    try {
        Connection connection;
        connection.open(older.mainDatabase, /*create=*/false);
        refreshWorkingCopy(connection, older.workingCopy);
    } catch (const DbError&) {
    }
}

void StartUp::readOfficeSettings() {
    const OfficeSettingsFile file(programDir_);
    if (const auto settings = file.read()) {
        office_ = *settings;
        return;
    }
    office_ = {};
    file.write({OfficeSettingsFile::kDefaultCode, QString()});
    messages_.notice(kOwnOfficeMissing);
}

}  // namespace vantir
