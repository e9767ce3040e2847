#include <QDir>

#include "app/cli/CliContext.h"
#include "maintenance/rules/DatabaseLocation.h"
#include "maintenance/rules/DatabaseUpgrade.h"
#include "platform/db/Database.h"
#include "platform/db/DbError.h"

namespace vantir {

// upgrade: the start-up upgrade of the program directory's main database, printing one
// line per change ("up to date" when there was none). Exits non-zero with the database's
// message when a step ends the upgrade; what earlier steps changed is printed first.
int runUpgradeCommand(CliContext& context, const QStringList& args) {
    if (!args.isEmpty()) {
        context.err << "usage: vantir-cli [--dir PATH] upgrade" << Qt::endl;
        return 2;
    }
    const DatabaseLocation location = DatabaseLocation::inUse(context.programDir);
    if (!location.mainDatabaseExists()) {
        context.err << "no main database: " << QDir::toNativeSeparators(location.mainDatabase)
                    << Qt::endl;
        return 1;
    }
    try {
        Database database(QStringLiteral("VANTIR"), location.mainDatabase);
        DatabaseUpgrade upgrade(database);
        const bool completed = upgrade.run();
        for (const QString& change : upgrade.changes()) context.out << change << Qt::endl;
        if (!completed) {
            context.err << upgrade.error() << Qt::endl;
            return 1;
        }
        if (upgrade.changes().isEmpty()) context.out << "up to date" << Qt::endl;
        return 0;
    } catch (const DbError& error) {
        // The database cannot be opened or read at all.
        context.err << QDir::toNativeSeparators(location.mainDatabase) << ": " << error.message()
                    << Qt::endl;
        return 1;
    }
}

}  // namespace vantir
