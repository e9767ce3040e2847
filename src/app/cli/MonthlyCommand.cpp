#include <QDir>
#include <QFileInfo>

#include "app/cli/CliContext.h"
#include "data/AppState.h"
#include "data/DataModule1.h"
#include "data/DataModule2.h"
#include "data/DatabaseFiles.h"
#include "data/HookTargets.h"
#include "monthly/rules/MonthlyAggregation.h"

namespace vantir {

// monthly --sime DD --month YY/MM: the monthly aggregation on the program directory, as the
// dialog runs it (working-copy refresh, steps, pushes, ledgers), printing its progress lines.
int runMonthlyCommand(CliContext& context, const QStringList& args) {
    const char* const usage = "usage: vantir-cli [--dir PATH] monthly --sime DD --month YY/MM\n";
    QString closingDay;
    QString month;
    for (qsizetype at = 0; at < args.size(); at += 2) {
        if (at + 1 >= args.size()) {
            context.err << usage;
            return 2;
        }
        if (args[at] == QLatin1String("--sime")) {
            closingDay = args[at + 1];
        } else if (args[at] == QLatin1String("--month")) {
            month = args[at + 1];
        } else {
            context.err << usage;
            return 2;
        }
    }
    const QString main = DatabaseFiles::mainDatabase(context.programDir);
    if (!QFileInfo::exists(main)) {
        context.err << "vantir-cli: no database at " << QDir::toNativeSeparators(main) << '\n';
        return 1;
    }
    AppState state;
    state.EditDir = context.programDir;
    HookTargets targets;
    DataModule1 dm1(context.programDir, state, targets);
    DataModule2 dm2(context.programDir, state, targets);
    MonthlyAggregation aggregation(dm1, dm2, [&context](const QString& line) {
        if (!line.isEmpty()) context.out << line << Qt::endl;
    });
    const Result result = aggregation.run(closingDay, month, /*workingCopyIsArchive=*/false);
    if (!result) {
        context.out.flush();
        context.err << "vantir-cli: " << result.message << '\n';
        return 1;
    }
    return 0;
}

}  // namespace vantir
