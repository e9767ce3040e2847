#include <QDir>

#include "app/cli/CliContext.h"
#include "data/DatabaseFiles.h"
#include "data/FreshDatabase.h"
#include "platform/db/DbError.h"

namespace vantir {

// init: a new main database with the fresh content. An existing file is never replaced.
int runInitCommand(CliContext& context, const QStringList& args) {
    if (!args.isEmpty()) {
        context.err << "usage: vantir-cli [--dir PATH] init\n";
        return 2;
    }
    const QString path = DatabaseFiles::mainDatabase(context.programDir);
    try {
        const Result created = FreshDatabase::createFile(path);
        if (!created) {
            context.err << "vantir-cli: " << created.message << '\n';
            return 1;
        }
    } catch (const DbError& error) {
        context.err << "vantir-cli: " << error.message() << '\n';
        return 1;
    }
    context.out << "created " << QDir::toNativeSeparators(path) << '\n';
    return 0;
}

}  // namespace vantir
