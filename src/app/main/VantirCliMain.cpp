#include <QDir>
#include <QGuiApplication>
#include <QTextStream>
#include <cstdio>
#include <memory>

#include "app/cli/CliContext.h"

namespace {

// The command table: name, what it runs, how it is called.
struct CommandEntry {
    const char* name;
    vantir::CliCommand run;
    const char* usage;
};

int runHelpCommand(vantir::CliContext& context, const QStringList& args);

const CommandEntry kCommands[] = {
    {"init", vantir::runInitCommand,
     "init [--sample [OPTIONS]] create DataBase/VANTIR.mdb with the fresh content; with\n"
     "                          --sample, a sample company and VantirTenSet.ini:\n"
     "                          --partners N (60), --slips N (3000, at most 999999),\n"
     "                          --months N (3, ending this month), --seed S (1; the same\n"
     "                          seed on the same day gives the same rows)"},
    {"sql", vantir::runSqlCommand,
     "sql [--work] \"STATEMENT\"  run one statement on the main database (or the working\n"
     "                          copy): a header line, then one tab-separated line per row"},
    {"date", vantir::runDateCommand,
     "date RULE VALUES...       what a closing-day or due-date rule gives: closing-period C\n"
     "                          YY/MM | fiscal-start YY/MM VKETU VSIM | due-by-site YY/MM C\n"
     "                          SITE | due-by-payday YY/MM C MONTHS PAYDAY"},
    {"upgrade", vantir::runUpgradeCommand,
     "upgrade                   bring the main database to the current layout, as every\n"
     "                          start does, printing each change"},
    {"monthly", vantir::runMonthlyCommand,
     "monthly --sime DD --month YY/MM  the monthly aggregation of closing day DD and month\n"
     "                          YY/MM: refreshes the working copy, builds HIMAS31, HIMAS32\n"
     "                          and the ledgers, stores them in the main database"},
    {"print", vantir::runPrintCommand,
     "print NAME [options] (--pdf FILE | --text FILE)\n"
     "                          a printout of the main database as a PDF or as the text of\n"
     "                          its pages; NAME alone lets the company's report flag choose\n"
     "                          its continuous-form twin NAME2, as the program does"},
    {"invoice", vantir::runInvoiceCommand,
     "invoice --sime DD (--customer CODE | --all) [--since YY/MM/DD --until YY/MM/DD]\n"
     "        [--discount-rate P | --discount YEN] [--pdf-dir DIR] [--escp FILE]\n"
     "                          the invoice run for one customer, or every customer of the\n"
     "                          closing day with sales in the period (default: the period\n"
     "                          the invoice dialog proposes today); one line per customer"},
    {"backup", vantir::runBackupCommand,
     "backup FILE               write a consistent copy of the main database to FILE, also\n"
     "                          while the program is running (for a nightly job)"},
    {"compact", vantir::runCompactCommand,
     "compact [--work]          compact the main database (or the working copy) in place"},
    {"help", runHelpCommand, "help                      list the commands and the printouts"},
};

int runHelpCommand(vantir::CliContext& context, const QStringList&) {
    context.out << "usage: vantir-cli [--dir PATH] COMMAND [ARGS]\n"
                   "  --dir PATH                the program directory (default: the current one)\n";
    // Continuation lines of a usage line up with its first line.
    for (const CommandEntry& command : kCommands) {
        context.out
            << "  "
            << QString::fromUtf8(command.usage).replace(QLatin1String("\n"), QLatin1String("\n  "))
            << '\n';
    }
    context.out << "printouts (print NAME ...):\n";
    for (const QString& printout : vantir::printoutUsages())
        context.out << "  " << printout << '\n';
    return 0;
}

// Printing lays out and embeds fonts, which needs a GUI application; without a display it
// runs on the offscreen platform, so that printing works headless. Invoicing writes PDFs.
std::unique_ptr<QCoreApplication> makeApplication(int& argc, char** argv) {
    bool printing = false;
    for (int i = 1; i < argc; ++i)
        printing = printing || qstrcmp(argv[i], "print") == 0 || qstrcmp(argv[i], "invoice") == 0;
    if (!printing) return std::make_unique<QCoreApplication>(argc, argv);
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY") &&
        qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    return std::make_unique<QGuiApplication>(argc, argv);
}

}  // namespace

int main(int argc, char** argv) {
    const std::unique_ptr<QCoreApplication> app = makeApplication(argc, argv);
    QTextStream out(stdout);
    QTextStream err(stderr);

    QStringList args = app->arguments().mid(1);
    QString programDir = QDir::currentPath();
    const qsizetype dirAt = args.indexOf(QStringLiteral("--dir"));
    if (dirAt >= 0) {
        if (dirAt + 1 >= args.size()) {
            err << "vantir-cli: --dir needs a path\n";
            return 2;
        }
        programDir = args[dirAt + 1];
        args.remove(dirAt, 2);
    }

    vantir::CliContext context{programDir, out, err};
    const QString name = args.isEmpty() ? QStringLiteral("help") : args.takeFirst();
    for (const CommandEntry& command : kCommands) {
        if (name == QLatin1String(command.name)) return command.run(context, args);
    }
    err << "vantir-cli: unknown command " << name << " (vantir-cli help lists them)\n";
    return 2;
}
