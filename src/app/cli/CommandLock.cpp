#include "app/cli/CommandLock.h"

#include <QDir>

#include "app/cli/CliContext.h"

namespace vantir {

CommandLock::CommandLock(const QString& programDir, const QString& command)
    : command_(command),
      lock_(QDir(programDir).filePath(QStringLiteral("vantir-cli-%1.lock").arg(command))) {
    lock_.setStaleLockTime(0);
}

bool CommandLock::acquire(CliContext& context) {
    if (lock_.tryLock(0)) return true;
    if (lock_.error() == QLockFile::LockFailedError) {
        context.err << "vantir-cli: another " << command_ << " is running on "
                    << QDir::toNativeSeparators(context.programDir) << Qt::endl;
    } else {
        context.err << "vantir-cli: cannot write the lock file in "
                    << QDir::toNativeSeparators(context.programDir) << Qt::endl;
    }
    return false;
}

}  // namespace vantir
