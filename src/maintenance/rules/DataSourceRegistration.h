#pragma once

#include <QString>

namespace vantir {

class Registry;

// The user's data source of one database file, with the values the Access driver wants:
// named under "ODBC Data Sources", its key with DBQ, Driver and the rest, and the Jet
// engine's settings below it. Keys are created when missing; a key that cannot be opened
// is skipped, so a registry that cannot be written leaves the program running.
struct DataSourceRegistration {
    static const QString kDataSourcesKey;
    // "\Software\ODBC\ODBC.INI\" + name, and the same + "\Engines\Jet".
    static QString dataSourceKey(const QString& name);
    static QString jetEngineKey(const QString& name);

    static void write(Registry& registry, const QString& name, const QString& databaseFile);
};

}  // namespace vantir
