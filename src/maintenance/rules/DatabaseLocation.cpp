#include "maintenance/rules/DatabaseLocation.h"

#include <QDir>
#include <QFileInfo>

#include "data/DatabaseFiles.h"

namespace vantir {

DatabaseLocation DatabaseLocation::inDataBaseFolder(const QString& programDir) {
    return {DatabaseFiles::mainDatabase(programDir), DatabaseFiles::workingCopy(programDir)};
}

DatabaseLocation DatabaseLocation::older(const QString& programDir) {
    const QDir dir(programDir);
    return {dir.filePath(QStringLiteral("VANTIR.mdb")),
            dir.filePath(QStringLiteral("VANTIRX.mdb"))};
}

DatabaseLocation DatabaseLocation::inUse(const QString& programDir) {
    const DatabaseLocation inDataBase = inDataBaseFolder(programDir);
    const DatabaseLocation olderOne = older(programDir);
    if (inDataBase.mainDatabaseExists() || !olderOne.mainDatabaseExists()) return inDataBase;
    return olderOne;
}

bool DatabaseLocation::mainDatabaseExists() const { return QFileInfo::exists(mainDatabase); }

}  // namespace vantir
