#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <memory>
#include <utility>
#include <vector>

#include "platform/db/Statement.h"

struct sqlite3;

namespace vantir {

// What a connection can tell of its database's state, to know whether values read from it
// may have gone stale: two equal stamps of one connection mean that no row or table of the
// file changed in between, whether through this connection (rows written inside an open
// transaction count too) or through another whose work was committed and has since been
// seen by a read. Reconnecting gives a stamp unequal to every earlier one.
struct DataStamp {
    quint64 connection = 0;      // which opening of a database file
    quint32 fileVersion = 0;     // the file's change counter as the engine last saw it
    qint64 changes = 0;          // rows this connection has written since it opened
    bool inTransaction = false;  // rows read now may still be rolled back
    bool operator==(const DataStamp&) const = default;
};

// Named parameters of a statement, written ":KCODE" in the SQL and "KCODE" here.
using Params = std::vector<std::pair<QString, QVariant>>;

// One open database file. Every statement goes through the Jet dialect translation, so
// the system's Access-style SQL ("UpDate", "Is Null", "Char(n)", "CvDate('03/05/20')")
// runs unchanged. Values are QVariant: an invalid QVariant is NULL, integers are qint64,
// text is QString. All failures throw DbError with the engine's message.
class Connection {
  public:
    Connection();
    ~Connection();
    Connection(const Connection&) = delete;
    Connection& operator=(const Connection&) = delete;

    // Opens (creating when allowed) the file at path.
    void open(const QString& path, bool create = true);
    void close();
    bool isOpen() const;
    const QString& path() const { return path_; }

    // Prepares one statement; a statement given as lines is joined with line breaks.
    Statement prepare(const QString& sql);
    Statement prepare(const QStringList& lines) { return prepare(lines.join(QLatin1Char('\n'))); }

    // Runs one statement that returns no rows; returns the number of rows it changed.
    int execute(const QString& sql, const Params& params = {});

    // Runs a statement and returns the first column of its first row (NULL when no row).
    QVariant scalar(const QString& sql, const Params& params = {});

    bool tableExists(const QString& table);
    // Column names of a table in their stored order; empty when the table is missing.
    QStringList columnNames(const QString& table);
    // Declared column types as written when the table was created ("VARCHAR(30)", "INT", ...).
    QStringList declaredTypes(const QString& table);

    void begin();
    void commit();
    void rollback();
    bool inTransaction() const;

    // A consistent copy of the whole database into another file, made while other
    // connections may be writing: the file's bytes under a read lock, flushed to the disk.
    // The destination is replaced only by a complete copy.
    void snapshotTo(const QString& destinationPath);

    // The database's state now (throws DbError when the connection is not open).
    DataStamp dataStamp() const;

    sqlite3* handle() const { return db_; }

  private:
    sqlite3* db_ = nullptr;
    quint64 opening_ = 0;
    QString path_;
};

}  // namespace vantir
