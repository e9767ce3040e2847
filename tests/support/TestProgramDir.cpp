#include "support/TestProgramDir.h"

#include <QDir>
#include <QFile>
#include <stdexcept>

#include "data/DatabaseFiles.h"
#include "data/FreshDatabase.h"
#include "platform/db/Connection.h"

namespace vantir::test {

TestProgramDir::TestProgramDir(Content content) {
    if (!dir_.isValid()) throw std::runtime_error("no temporary program directory");
    QDir().mkpath(DatabaseFiles::folder(path()));
    if (content == Content::Empty) return;
    const Result created = FreshDatabase::createFile(mainDatabase());
    if (!created) throw std::runtime_error(created.message.toStdString());
    copyMainToWorkingCopy();
}

QString TestProgramDir::mainDatabase() const { return DatabaseFiles::mainDatabase(path()); }

QString TestProgramDir::workingCopy() const { return DatabaseFiles::workingCopy(path()); }

void TestProgramDir::executeOnMain(const QStringList& statements) const {
    Connection connection;
    connection.open(mainDatabase(), /*create=*/false);
    for (const QString& statement : statements) connection.execute(statement);
}

void TestProgramDir::copyMainToWorkingCopy() const {
    QFile::remove(workingCopy());
    if (!QFile::copy(mainDatabase(), workingCopy()))
        throw std::runtime_error("the working copy cannot be made");
}

}  // namespace vantir::test
