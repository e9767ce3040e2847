#pragma once

#include <QLockFile>
#include <QString>

namespace vantir {

struct CliContext;

// Keeps a second run of the same command off the same program directory (two nightly
// backups or compactions started on top of each other). The lock goes with the process,
// so a run that crashed does not keep the directory locked.
class CommandLock {
  public:
    // "vantir-cli-<command>.lock" in the program directory.
    CommandLock(const QString& programDir, const QString& command);

    // false, with the reason written to context.err, when another run holds it.
    bool acquire(CliContext& context);

  private:
    QString command_;
    QLockFile lock_;
};

}  // namespace vantir
