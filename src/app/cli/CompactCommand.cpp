#include <QDir>
#include <QFileInfo>

#include "app/cli/CliContext.h"
#include "app/cli/CommandLock.h"
#include "maintenance/rules/Compaction.h"
#include "maintenance/rules/DatabaseLocation.h"

namespace vantir {

// compact [--work]: compacts the main database (or the working copy) in place.
int runCompactCommand(CliContext& context, const QStringList& args) {
    QStringList rest = args;
    const bool work = rest.removeAll(QStringLiteral("--work")) > 0;
    if (!rest.isEmpty()) {
        context.err << "usage: vantir-cli [--dir PATH] compact [--work]" << Qt::endl;
        return 2;
    }
    CommandLock lock(context.programDir, QStringLiteral("compact"));
    if (!lock.acquire(context)) return 1;
    const DatabaseLocation location = DatabaseLocation::inUse(context.programDir);
    const QString path = work ? location.workingCopy : location.mainDatabase;
    if (!QFileInfo::exists(path)) {
        context.err << "vantir-cli: no database at " << QDir::toNativeSeparators(path) << Qt::endl;
        return 1;
    }
    Compaction compaction;
    Result done = compaction.choose(path);
    if (done) done = compaction.compact();
    if (!done) {
        context.err << "vantir-cli: compaction failed: " << done.message << Qt::endl;
        return 1;
    }
    context.out << QDir::toNativeSeparators(path) << Qt::endl;
    return 0;
}

}  // namespace vantir
