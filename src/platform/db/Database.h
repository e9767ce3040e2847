#pragma once

#include "platform/db/Connection.h"

#include <QString>

namespace vantir {

// A named data source (VANTIR, VANTIRX) and its one connection, "DataBase" in the data
// modules. Nothing is opened when it is made; the first dataset that opens connects it,
// and the connection then stays open for the run.
class Database {
public:
    Database(QString dataSourceName, QString path)
        : name_(std::move(dataSourceName)), path_(std::move(path)) {}

    const QString& name() const { return name_; }
    const QString& path() const { return path_; }
    // Points the data source at another file (the data switch); closes the connection.
    void setPath(const QString& path) {
        connection_.close();
        path_ = path;
    }

    bool isConnected() const { return connection_.isOpen(); }
    // The open connection, connecting first when needed (throws DbError).
    Connection& connection() {
        if (!connection_.isOpen()) connection_.open(path_, /*create=*/false);
        return connection_;
    }
    void disconnect() { connection_.close(); }

private:
    QString name_;
    QString path_;
    Connection connection_;
};

}  // namespace vantir
