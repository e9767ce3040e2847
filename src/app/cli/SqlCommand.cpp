#include <QDir>
#include <QFileInfo>

#include "app/cli/CliContext.h"
#include "data/DatabaseFiles.h"
#include "platform/db/Connection.h"
#include "platform/db/DbError.h"
#include "platform/db/Statement.h"

namespace vantir {

namespace {

// One field of the output: NULL is empty, and a tab, line break or backslash inside a
// text is escaped so that every row stays one tab-separated line.
QString field(const QVariant& value) {
    if (value.isNull()) return {};
    QString text = value.toString();
    text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"));
    text.replace(QLatin1Char('\t'), QStringLiteral("\\t"));
    text.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    text.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    return text;
}

}  // namespace

// sql [--work] "STATEMENT": one statement on the main database or the working copy, in the
// program's own dialect. Prints the column names, then one line per row.
int runSqlCommand(CliContext& context, const QStringList& args) {
    QStringList rest = args;
    const bool work = rest.removeAll(QStringLiteral("--work")) > 0;
    if (rest.size() != 1 || rest.front().trimmed().isEmpty()) {
        context.err << "usage: vantir-cli [--dir PATH] sql [--work] \"STATEMENT\"\n";
        return 2;
    }
    const QString path = work ? DatabaseFiles::workingCopy(context.programDir)
                              : DatabaseFiles::mainDatabase(context.programDir);
    if (!QFileInfo::exists(path)) {
        context.err << "vantir-cli: no database at " << QDir::toNativeSeparators(path) << '\n';
        return 1;
    }
    try {
        Connection connection;
        connection.open(path, /*create=*/false);
        Statement statement = connection.prepare(rest.front());
        const int columns = statement.columnCount();
        if (columns > 0) context.out << statement.columnNames().join(QLatin1Char('\t')) << '\n';
        while (statement.step()) {
            QStringList fields;
            for (int column = 0; column < columns; ++column)
                fields.append(field(statement.value(column)));
            context.out << fields.join(QLatin1Char('\t')) << '\n';
        }
    } catch (const DbError& error) {
        context.out.flush();
        context.err << "vantir-cli: " << error.message() << '\n';
        return 1;
    }
    return 0;
}

}  // namespace vantir
