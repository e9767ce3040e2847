#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

#include "app/cli/CliContext.h"

namespace vantir::test {

// Runs one command on a program directory and keeps what it printed.
struct CliRun {
    int exitCode = 0;
    QString out;
    QString err;
};

inline CliRun run(CliCommand command, const QString& programDir, const QStringList& args) {
    CliRun result;
    QTextStream out(&result.out);
    QTextStream err(&result.err);
    CliContext context{programDir, out, err};
    result.exitCode = command(context, args);
    out.flush();
    err.flush();
    return result;
}

}  // namespace vantir::test
