#include <QDir>
#include <QFileInfo>

#include "app/cli/CliContext.h"
#include "app/printouts/Printouts.h"
#include "common/printing/PrintCommandLine.h"
#include "common/printing/PrintError.h"
#include "common/printing/PrintRunner.h"
#include "common/printing/PrintoutRegistry.h"
#include "common/printing/ReportLayoutSwitches.h"
#include "data/AppState.h"
#include "data/DataModule1.h"
#include "data/DataModule2.h"
#include "data/DatabaseFiles.h"
#include "data/HookTargets.h"
#include "maintenance/rules/OfficeSettingsFile.h"
#include "platform/db/DbError.h"
#include "platform/report/ReportError.h"

namespace vantir {

namespace {

const char kUsage[] =
    "usage: vantir-cli [--dir PATH] print NAME [options] (--pdf FILE | --text FILE)";

}  // namespace

QStringList printoutUsages() {
    PrintoutRegistry registry;
    registerPrintouts(registry);
    QStringList lines;
    for (const QString& name : registry.names()) {
        const QString options = PrintCommandLine::usage(registry.find(name));
        lines << (options.isEmpty() ? name : name + QLatin1Char(' ') + options);
    }
    return lines;
}

// print NAME [options] (--pdf FILE | --text FILE): a printout of the main database as a
// PDF or as the text dump of its pages, as the print preview would show it. Naming a
// printout that has a continuous-form twin lets the company's report flag choose between
// them, as the program does; the twin's own name ("QR_Vantir2") prints the twin.
int runPrintCommand(CliContext& context, const QStringList& args) {
    if (args.isEmpty()) {
        context.err << kUsage << '\n';
        return 2;
    }
    PrintoutRegistry registry;
    registerPrintouts(registry);
    PrintRequest request;
    try {
        request = PrintCommandLine::parse(registry, args);
    } catch (const PrintError& error) {
        context.err << "vantir-cli: " << error.message() << '\n' << kUsage << '\n';
        return 2;
    }
    const QString path = DatabaseFiles::mainDatabase(context.programDir);
    if (!QFileInfo::exists(path)) {
        context.err << "vantir-cli: no database at " << QDir::toNativeSeparators(path) << '\n';
        return 1;
    }
    AppState state;
    state.EditDir = context.programDir;
    // The own office, as the program reads it at start: the month-based reports print its
    // name. A missing file leaves it empty; the command line makes no file.
    if (const auto office = OfficeSettingsFile(context.programDir).read()) {
        state.EditTen = office->code;
        state.EditTen2 = office->name;
    }
    HookTargets hookTargets;
    DataModule1 dm1(context.programDir, state, hookTargets);
    DataModule2 dm2(context.programDir, state, hookTargets);
    try {
        readReportLayoutSwitches(dm1, state);
        const QString twin = request.printout + QLatin1Char('2');
        if (registry.names().contains(twin))
            request.printout = chosenLayout(request.printout, state);
        PrintRunner(registry, {dm1, dm2}).run(request);
    } catch (const PrintError& error) {
        context.err << "vantir-cli: " << error.message() << '\n';
        return 1;
    } catch (const ReportError& error) {
        context.err << "vantir-cli: " << error.message() << '\n';
        return 1;
    } catch (const DbError& error) {
        context.err << "vantir-cli: " << error.message() << '\n';
        return 1;
    }
    context.out << "printed " << request.printout << " to "
                << QDir::toNativeSeparators(request.path) << '\n';
    return 0;
}

}  // namespace vantir
