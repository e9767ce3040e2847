#include "maintenance/rules/DataSourceRegistration.h"

#include <QDir>

#include "platform/db/EngineLibrary.h"
#include "platform/system/Registry.h"

namespace vantir {

const QString DataSourceRegistration::kDataSourcesKey =
    QStringLiteral("\\Software\\ODBC\\ODBC.INI\\ODBC Data Sources");

QString DataSourceRegistration::dataSourceKey(const QString& name) {
    return QStringLiteral("\\Software\\ODBC\\ODBC.INI\\") + name;
}

QString DataSourceRegistration::jetEngineKey(const QString& name) {
    return dataSourceKey(name) + QStringLiteral("\\Engines\\Jet");
}

void DataSourceRegistration::write(Registry& registry, const QString& name,
                                   const QString& databaseFile) {
    if (registry.createKey(kDataSourcesKey)) {
        registry.writeString(kDataSourcesKey, name,
                             QStringLiteral("Microsoft Access Driver (*.mdb)"));
    }
    const QString key = dataSourceKey(name);
    if (registry.createKey(key)) {
        registry.writeString(key, QStringLiteral("DBQ"), QDir::toNativeSeparators(databaseFile));
        registry.writeString(key, QStringLiteral("Driver"), engineLibraryFile());
        registry.writeInteger(key, QStringLiteral("DriverId"), 25);
        registry.writeString(key, QStringLiteral("FIL"), QStringLiteral("Ms Access;"));
        registry.writeInteger(key, QStringLiteral("SafeTransactions"), 0);
        registry.writeString(key, QStringLiteral("UID"), QString());
    }
    const QString jet = jetEngineKey(name);
    if (registry.createKey(jet)) {
        registry.writeString(jet, QStringLiteral("ImplicitCommitSync"), QString());
        registry.writeInteger(jet, QStringLiteral("MaxBufferSize"), 2048);
        registry.writeInteger(jet, QStringLiteral("PageTimeout"), 5);
        registry.writeInteger(jet, QStringLiteral("Threads"), 3);
        registry.writeString(jet, QStringLiteral("UserCommitSync"), QStringLiteral("Yes"));
    }
}

}  // namespace vantir
