#pragma once

#include <QString>
#include <QStringList>
#include <QTextStream>

namespace vantir {

// What one vantir-cli command gets: the program directory (--dir, default the current
// directory), its arguments after the command name, and where to write. A command
// returns the process exit code: 0 on success, non-zero with a message on err.
struct CliContext {
    QString programDir;
    QTextStream& out;
    QTextStream& err;
};

using CliCommand = int (*)(CliContext& context, const QStringList& args);

// The commands, each in its own file; the table in the program's main names them.
int runInitCommand(CliContext& context, const QStringList& args);     // init [--sample ...]
int runSqlCommand(CliContext& context, const QStringList& args);      // sql [--work] "STATEMENT"
int runDateCommand(CliContext& context, const QStringList& args);     // date RULE ...
int runUpgradeCommand(CliContext& context, const QStringList& args);  // upgrade
int runMonthlyCommand(CliContext& context, const QStringList& args);  // monthly --sime --month
int runPrintCommand(CliContext& context, const QStringList& args);    // print NAME ...
int runInvoiceCommand(CliContext& context, const QStringList& args);  // invoice --sime DD ...
int runBackupCommand(CliContext& context, const QStringList& args);   // backup FILE
int runCompactCommand(CliContext& context, const QStringList& args);  // compact [--work]

// The printouts `print` knows, one line each: the name and the options it takes.
QStringList printoutUsages();

}  // namespace vantir
