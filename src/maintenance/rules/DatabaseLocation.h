#pragma once

#include <QString>

namespace vantir {

// A main database and the working copy kept beside it. Program directories set up by
// earlier versions keep them directly in the program directory instead of in DataBase.
struct DatabaseLocation {
    QString mainDatabase;
    QString workingCopy;

    // DataBase/VANTIR.mdb and DataBase/VANTIRX.mdb.
    static DatabaseLocation inDataBaseFolder(const QString& programDir);
    // VANTIR.mdb and VANTIRX.mdb directly in the program directory.
    static DatabaseLocation older(const QString& programDir);
    // The one the program works with: the DataBase folder's when its main database exists
    // or when neither does (a new directory), otherwise the older one.
    static DatabaseLocation inUse(const QString& programDir);

    bool mainDatabaseExists() const;
};

}  // namespace vantir
