#include "platform/db/Connection.h"

#include <sqlite3.h>

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>
#include <atomic>
#include <cerrno>
#include <cstdio>
#include <cstring>
#include <unistd.h>
#include <vector>

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

// Runs one statement of the engine's own (locking, journal mode), outside the dialect.
void runEngineStatement(sqlite3* db, const char* sql) {
    if (sqlite3_exec(db, sql, nullptr, nullptr, nullptr) != SQLITE_OK)
        throw DbError(engineMessage(db));
}

QString systemMessage(const QString& path) {
    return QString::fromLocal8Bit(std::strerror(errno)) + QStringLiteral(": ") + path;
}

// Copies the bytes of the open file `from` into the open, empty file `to` and flushes
// them to the disk; the kernel copies where it can, the bytes pass through here where it
// cannot (another file system).
void copyFileBytes(int from, int to, const QString& toPath) {
    bool kernelCopies = true;
    std::vector<char> buffer;
    for (;;) {
        ssize_t copied = -1;
        if (kernelCopies) {
            copied = copy_file_range(from, nullptr, to, nullptr, 1 << 30, 0);
            if (copied < 0 && (errno == EXDEV || errno == ENOSYS || errno == EOPNOTSUPP ||
                               errno == EINVAL)) {
                kernelCopies = false;
                buffer.resize(1 << 20);
                continue;
            }
        } else {
            copied = read(from, buffer.data(), buffer.size());
            for (ssize_t written = 0; copied > 0 && written < copied;) {
                const ssize_t n = write(to, buffer.data() + written, size_t(copied - written));
                if (n < 0) throw DbError(systemMessage(toPath));
                written += n;
            }
        }
        if (copied < 0) throw DbError(systemMessage(toPath));
        if (copied == 0) break;
    }
    if (fsync(to) != 0) throw DbError(systemMessage(toPath));
}

// Copies the database file of `source` into the file at copyPath. Under the read lock
// taken first, no connection can write into the file (a writer keeps its changes in its
// journal and cache until it may lock the file for itself), so its bytes are a
// consistent database; a journal left by a crash is rolled back by taking the lock.
// That holds for the rollback journal this program's databases keep; a write-ahead log
// would hold committed pages outside the file, so such a database is refused.
void copyUnderReadLock(sqlite3* source, const QString& copyPath) {
    const char* sourcePath = sqlite3_db_filename(source, "main");
    if (!sourcePath || !*sourcePath)
        throw DbError(QStringLiteral("A database held in memory cannot be copied"));
    sqlite3_stmt* mode = nullptr;
    if (sqlite3_prepare_v2(source, "PRAGMA main.journal_mode", -1, &mode, nullptr) != SQLITE_OK)
        throw DbError(engineMessage(source));
    const bool writeAheadLog =
        sqlite3_step(mode) == SQLITE_ROW &&
        qstricmp(reinterpret_cast<const char*>(sqlite3_column_text(mode, 0)), "wal") == 0;
    sqlite3_finalize(mode);
    if (writeAheadLog)
        throw DbError(QStringLiteral("A database with a write-ahead log cannot be copied: ") +
                      QString::fromUtf8(sourcePath));

    runEngineStatement(source, "BEGIN");
    try {
        runEngineStatement(source, "SELECT count(*) FROM sqlite_schema");  // the read lock
        QFile from(QString::fromUtf8(sourcePath));
        QFile to(copyPath);
        if (!from.open(QIODevice::ReadOnly))
            throw DbError(from.errorString() + QStringLiteral(": ") + from.fileName());
        if (!to.open(QIODevice::WriteOnly | QIODevice::Truncate))
            throw DbError(to.errorString() + QStringLiteral(": ") + copyPath);
        copyFileBytes(from.handle(), to.handle(), copyPath);
    } catch (...) {
        sqlite3_exec(source, "ROLLBACK", nullptr, nullptr, nullptr);
        throw;
    }
    runEngineStatement(source, "COMMIT");
}

}  // namespace

Connection::Connection() = default;

Connection::~Connection() { close(); }

void Connection::open(const QString& path, bool create) {
    close();
    // A connection is only ever used from the thread that opened it, so the engine need
    // not lock it around every call (each value read of a long list is one call).
    const int flags =
        SQLITE_OPEN_READWRITE | SQLITE_OPEN_NOMUTEX | (create ? SQLITE_OPEN_CREATE : 0);
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

    copyUnderReadLock(db, copyFile.fileName());

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
