#include "data/DatabaseFiles.h"

#include <QDir>

namespace vantir {

QString DatabaseFiles::folder(const QString& programDir) {
    return QDir(programDir).filePath(QStringLiteral("DataBase"));
}

QString DatabaseFiles::mainDatabase(const QString& programDir) {
    return QDir(folder(programDir)).filePath(QStringLiteral("VANTIR.mdb"));
}

QString DatabaseFiles::workingCopy(const QString& programDir) {
    return QDir(folder(programDir)).filePath(QStringLiteral("VANTIRX.mdb"));
}

}  // namespace vantir
