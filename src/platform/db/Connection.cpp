#include "platform/db/Connection.h"

#include <sqlite3.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>

#include "platform/db/DbError.h"
#include "platform/db/JetDialect.h"
#include "platform/db/JetFunctions.h"
#include "platform/db/SqlTokenizer.h"
#include "platform/db/Statement.h"

namespace vantir {
namespace {

// How long a statement waits for a lock another connection holds before failing.
constexpr int busyTimeoutMs = 5000;

// Every opening of a database file gets a number of its own, for DataStamp.
std::atomic<quint64> openings{0};

QString engineMessage(sqlite3* db) { return QString::fromUtf8(sqlite3_errmsg(db)); }

sqlite3* openHandle(sqlite3* db) {
    if (!db) throw DbError(QStringLiteral("The database is not open"));
    return db;
}

// Jet runs one statement at a time; text after the first statement would be dropped
// without a word, so it is refused.
bool onlyBlanksLeft(const char* tail, const char* end) {
    const QString rest = QString::fromUtf8(tail, end - tail);
    for (const SqlToken& token : tokenizeSql(rest)) {
        if (!token.isBlank() && !token.isSymbol(rest, QLatin1Char(';'))) return false;
    }
    return true;
}

void bindAll(Statement& statement, const Params& params) {
    for (const auto& [name, value] : params) statement.bind(name, value);
}

// One column of PRAGMA table_info for a table, in the table's column order.
QStringList tableInfo(Connection& connection, const QString& table, const char* column) {
    Statement info = connection.prepare(
        QStringLiteral("SELECT %1 FROM pragma_table_info(:TABLE)").arg(QLatin1String(column)));
    info.bind(QStringLiteral("TABLE"), table);
    QStringList values;
    while (info.step()) values << info.value(0).toString();
    return values;
}

// Copies the whole database of `source` into the empty database `copy`. A writer on
// another connection may hold the source for a moment: wait for it as long as a
// statement would.
void backupInto(sqlite3* source, sqlite3* copy) {
    sqlite3_backup* backup = sqlite3_backup_init(copy, "main", source, "main");
    if (!backup) throw DbError(engineMessage(copy));
    int rc = SQLITE_OK;
    for (int waited = 0;; waited += 50) {
        rc = sqlite3_backup_step(backup, -1);
        if ((rc != SQLITE_BUSY && rc != SQLITE_LOCKED) || waited >= busyTimeoutMs) break;
        sqlite3_sleep(50);
    }
    sqlite3_backup_finish(backup);
    if (rc != SQLITE_DONE) {
        throw DbError(rc == SQLITE_BUSY || rc == SQLITE_LOCKED
                          ? QString::fromUtf8(sqlite3_errstr(rc))
                          : engineMessage(copy));
    }
}

}  // namespace

Connection::Connection() = default;

Connection::~Connection() { close(); }

void Connection::open(const QString& path, bool create) {
    close();
    const int flags = SQLITE_OPEN_READWRITE | (create ? SQLITE_OPEN_CREATE : 0);
    sqlite3* db = nullptr;
    int rc = sqlite3_open_v2(QFile::encodeName(path).constData(), &db, flags, nullptr);
    if (rc == SQLITE_OK) {
        sqlite3_extended_result_codes(db, 1);
        sqlite3_busy_timeout(db, busyTimeoutMs);
        // A double-quoted run is a name, never text taken for an unknown name (Jet's
        // double-quoted text is refused instead, see jetDoubleQuotedTextRefusal).
        sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DML, 0, nullptr);
        sqlite3_db_config(db, SQLITE_DBCONFIG_DQS_DDL, 0, nullptr);
        // A file that is no database is found out here, not by the first screen.
        rc = sqlite3_exec(db, "SELECT count(*) FROM sqlite_schema", nullptr, nullptr, nullptr);
    }
    if (rc != SQLITE_OK) {
        const QString message = engineMessage(db) + QStringLiteral(": ") + path;
        sqlite3_close_v2(db);
        throw DbError(message);
    }
    try {
        registerJetFunctions(db);
    } catch (...) {
        sqlite3_close_v2(db);
        throw;
    }
    db_ = db;
    path_ = path;
    opening_ = ++openings;
}

void Connection::close() {
    // Statements still alive keep the engine's handle until they are finalized.
    if (db_) sqlite3_close_v2(db_);
    db_ = nullptr;
}

bool Connection::isOpen() const { return db_ != nullptr; }

Statement Connection::prepare(const QString& sql) {
    sqlite3* db = openHandle(db_);
    const QByteArray utf8 = translateJetSql(sql).toUtf8();
    sqlite3_stmt* stmt = nullptr;
    const char* tail = nullptr;
    if (sqlite3_prepare_v2(db, utf8.constData(), int(utf8.size()), &stmt, &tail) != SQLITE_OK) {
        const QString message = engineMessage(db);
        const QString refusal = jetDoubleQuotedTextRefusal(sql, message);
        throw DbError(refusal.isEmpty() ? message : refusal);
    }
    if (!stmt) {
        throw DbError(QStringLiteral("Invalid SQL statement: the statement is empty"));
    }
    if (!onlyBlanksLeft(tail, utf8.constData() + utf8.size())) {
        sqlite3_finalize(stmt);
        throw DbError(QStringLiteral("Characters found after end of SQL statement"));
    }
    return Statement(db, stmt, sql);
}

int Connection::execute(const QString& sql, const Params& params) {
    Statement statement = prepare(sql);
    bindAll(statement, params);
    while (statement.step()) {
    }
    return statement.changes();
}

QVariant Connection::scalar(const QString& sql, const Params& params) {
    Statement statement = prepare(sql);
    bindAll(statement, params);
    if (!statement.step() || statement.columnCount() == 0) return {};
    return statement.value(0);
}

bool Connection::tableExists(const QString& table) {
    return scalar(QStringLiteral("SELECT count(*) FROM sqlite_schema WHERE type = 'table' "
                                 "AND name = :TABLE COLLATE NOCASE"),
                  {{QStringLiteral("TABLE"), table}})
               .toLongLong() > 0;
}

QStringList Connection::columnNames(const QString& table) {
    return tableInfo(*this, table, "name");
}

QStringList Connection::declaredTypes(const QString& table) {
    return tableInfo(*this, table, "type");
}

void Connection::begin() { execute(QStringLiteral("BEGIN IMMEDIATE")); }

void Connection::commit() { execute(QStringLiteral("COMMIT")); }

void Connection::rollback() {
    // The engine rolls back by itself after some failures; nothing is left to undo then.
    if (inTransaction()) execute(QStringLiteral("ROLLBACK"));
}

bool Connection::inTransaction() const { return db_ && !sqlite3_get_autocommit(db_); }

DataStamp Connection::dataStamp() const {
    sqlite3* db = openHandle(db_);
    // Unlike the connection's change count, the file's version also moves with dropped
    // and re-created tables and with work committed by other connections.
    unsigned int fileVersion = 0;
    sqlite3_file_control(db, "main", SQLITE_FCNTL_DATA_VERSION, &fileVersion);
    return {opening_, fileVersion, sqlite3_total_changes64(db), inTransaction()};
}

void Connection::snapshotTo(const QString& destinationPath) {
    sqlite3* db = openHandle(db_);
    if (inTransaction())
        throw DbError(QStringLiteral("A snapshot cannot be taken while a transaction is open"));
    const QFileInfo destination(destinationPath);
    if (destination.absoluteFilePath() == QFileInfo(path_).absoluteFilePath())
        throw DbError(QStringLiteral("A database cannot be copied onto itself: ") + path_);

    // The copy is written beside the destination and renamed over it only when complete,
    // so a failed snapshot leaves the destination as it was.
    QTemporaryFile copyFile(destination.absoluteFilePath() + QStringLiteral(".XXXXXX"));
    if (!copyFile.open())
        throw DbError(copyFile.errorString() + QStringLiteral(": ") + destinationPath);
    copyFile.close();
    copyFile.setPermissions(destination.exists() ? destination.permissions()
                                                 : QFile::ReadOwner | QFile::WriteOwner |
                                                       QFile::ReadGroup | QFile::ReadOther);

    sqlite3* copy = nullptr;
    if (sqlite3_open_v2(QFile::encodeName(copyFile.fileName()).constData(), &copy,
                        SQLITE_OPEN_READWRITE, nullptr) != SQLITE_OK) {
        const QString message = engineMessage(copy);
        sqlite3_close_v2(copy);
        throw DbError(message);
    }
    try {
        backupInto(db, copy);
    } catch (...) {
        sqlite3_close_v2(copy);
        throw;
    }
    sqlite3_close_v2(copy);

    // A journal left beside the old destination would be replayed into the new file.
    for (const char* suffix : {"-journal", "-wal", "-shm"})
        QFile::remove(destination.absoluteFilePath() + QLatin1String(suffix));
    if (std::rename(QFile::encodeName(copyFile.fileName()).constData(),
                    QFile::encodeName(destination.absoluteFilePath()).constData()) != 0) {
        throw DbError(QString::fromLocal8Bit(std::strerror(errno)) + QStringLiteral(": ") +
                      destinationPath);
    }
    copyFile.setAutoRemove(false);
}

}  // namespace vantir
