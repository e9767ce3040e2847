#include <QDir>
#include <QFileInfo>

#include "app/cli/CliContext.h"
#include "app/cli/CommandLock.h"
#include "maintenance/rules/DatabaseLocation.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"

namespace vantir {

// backup FILE: a consistent copy of the main database into FILE, taken while the program
// may be writing to it. FILE is replaced only by a complete copy.
int runBackupCommand(CliContext& context, const QStringList& args) {
    if (args.size() != 1 || args.front().startsWith(QLatin1String("--"))) {
        context.err << "usage: vantir-cli [--dir PATH] backup FILE" << Qt::endl;
        return 2;
    }
    CommandLock lock(context.programDir, QStringLiteral("backup"));
    if (!lock.acquire(context)) return 1;
    const DatabaseLocation location = DatabaseLocation::inUse(context.programDir);
    if (!location.mainDatabaseExists()) {
        context.err << "vantir-cli: no main database: "
                    << QDir::toNativeSeparators(location.mainDatabase) << Qt::endl;
        return 1;
    }
    const QString destination = QFileInfo(args.front()).absoluteFilePath();
    try {
        Connection main;
        main.open(location.mainDatabase, /*create=*/false);
        main.snapshotTo(destination);
    } catch (const DbError& error) {
        context.err << "vantir-cli: backup failed: " << error.message() << Qt::endl;
        return 1;
    }
    context.out << QDir::toNativeSeparators(destination) << Qt::endl;
    return 0;
}

}  // namespace vantir
