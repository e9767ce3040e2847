#pragma once

#include <QString>

namespace vantir {

// Where a program directory keeps its two databases. The file names stay those the
// system has always used; the content is the embedded engine's.
struct DatabaseFiles {
    // "<dir>/DataBase"
    static QString folder(const QString& programDir);
    // "<dir>/DataBase/VANTIR.mdb", the main database (data source VANTIR).
    static QString mainDatabase(const QString& programDir);
    // "<dir>/DataBase/VANTIRX.mdb", the working copy (data source VANTIRX).
    static QString workingCopy(const QString& programDir);
};

}  // namespace vantir
