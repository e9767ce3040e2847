#include "platform/db/Statement.h"

#include <sqlite3.h>

#include <limits>
#include <utility>

#include "platform/db/DbError.h"
#include "platform/db/JetColumnNames.h"

namespace vantir {
namespace {

[[noreturn]] void throwEngineError(sqlite3* db) {
    throw DbError(QString::fromUtf8(sqlite3_errmsg(db)));
}

void check(sqlite3* db, int rc) {
    if (rc != SQLITE_OK) throwEngineError(db);
}

}  // namespace

Statement::Statement(sqlite3* db, sqlite3_stmt* stmt, QString sql)
    : db_(db), stmt_(stmt), sql_(std::move(sql)), names_(jetColumnNames(stmt)) {}

Statement::~Statement() { finalize(); }

Statement::Statement(Statement&& other) noexcept
    : db_(std::exchange(other.db_, nullptr)),
      stmt_(std::exchange(other.stmt_, nullptr)),
      sql_(std::move(other.sql_)),
      names_(std::move(other.names_)),
      changesBefore_(other.changesBefore_),
      changes_(other.changes_) {}

Statement& Statement::operator=(Statement&& other) noexcept {
    if (this != &other) {
        finalize();
        db_ = std::exchange(other.db_, nullptr);
        stmt_ = std::exchange(other.stmt_, nullptr);
        sql_ = std::move(other.sql_);
        names_ = std::move(other.names_);
        changesBefore_ = other.changesBefore_;
        changes_ = other.changes_;
    }
    return *this;
}

void Statement::finalize() {
    if (stmt_) sqlite3_finalize(stmt_);
    stmt_ = nullptr;
}

void Statement::bind(const QString& name, const QVariant& value) {
    const QStringView wanted =
        name.startsWith(QLatin1Char(':')) ? QStringView(name).mid(1) : QStringView(name);
    // Jet's parameter names are case-insensitive; SQLite's are not, so look at each one.
    const int count = sqlite3_bind_parameter_count(stmt_);
    for (int index = 1; index <= count; ++index) {
        const char* parameter = sqlite3_bind_parameter_name(stmt_, index);
        if (!parameter || parameter[0] != ':') continue;
        if (QString::fromUtf8(parameter + 1).compare(wanted, Qt::CaseInsensitive) == 0)
            bind(index, value);
    }
}

void Statement::bind(int index, const QVariant& value) {
    int rc = SQLITE_OK;
    if (value.isNull()) {
        rc = sqlite3_bind_null(stmt_, index);
    } else {
        switch (value.typeId()) {
            case QMetaType::Bool:
            case QMetaType::Char:
            case QMetaType::SChar:
            case QMetaType::UChar:
            case QMetaType::Short:
            case QMetaType::UShort:
            case QMetaType::Int:
            case QMetaType::UInt:
            case QMetaType::Long:
            case QMetaType::LongLong:
                rc = sqlite3_bind_int64(stmt_, index, value.toLongLong());
                break;
            case QMetaType::ULong:
            case QMetaType::ULongLong:
                if (value.toULongLong() > quint64(std::numeric_limits<qint64>::max()))
                    throw DbError(QStringLiteral("Value %1 is too large for the database")
                                      .arg(value.toULongLong()));
                rc = sqlite3_bind_int64(stmt_, index, value.toLongLong());
                break;
            case QMetaType::Float:
            case QMetaType::Double:
                rc = sqlite3_bind_double(stmt_, index, value.toDouble());
                break;
            case QMetaType::QByteArray: {
                const QByteArray bytes = value.toByteArray();
                rc = sqlite3_bind_blob64(stmt_, index, bytes.constData(), quint64(bytes.size()),
                                         SQLITE_TRANSIENT);
                break;
            }
            case QMetaType::QString: {
                const QByteArray utf8 = value.toString().toUtf8();
                rc = sqlite3_bind_text64(stmt_, index, utf8.constData(), quint64(utf8.size()),
                                         SQLITE_TRANSIENT, SQLITE_UTF8);
                break;
            }
            default:
                // Dates in particular are stored as "yy/mm/dd" text, never in Qt's own form.
                throw DbError(QStringLiteral("A value of type %1 cannot be stored")
                                  .arg(QString::fromLatin1(value.typeName())));
        }
    }
    check(db_, rc);
}

void Statement::clearBindings() { sqlite3_clear_bindings(stmt_); }

bool Statement::step() {
    if (!stmt_) throw DbError(QStringLiteral("The statement is not prepared"));
    if (sqlite3_stmt_busy(stmt_) == 0) changesBefore_ = sqlite3_total_changes64(db_);
    const int rc = sqlite3_step(stmt_);
    if (rc == SQLITE_ROW || rc == SQLITE_DONE) {
        // A statement recompiled after a change of its tables may carry other columns.
        if (sqlite3_column_count(stmt_) != names_.size()) names_ = jetColumnNames(stmt_);
        changes_ = int(sqlite3_total_changes64(db_) - changesBefore_);
        return rc == SQLITE_ROW;
    }
    const QString message = QString::fromUtf8(sqlite3_errmsg(db_));
    sqlite3_reset(stmt_);
    throw DbError(message);
}

void Statement::reset() { sqlite3_reset(stmt_); }

int Statement::columnCount() const { return int(names_.size()); }

QString Statement::columnName(int column) const { return names_.value(column); }

QStringList Statement::columnNames() const { return names_; }

QString Statement::declaredType(int column) const {
    return QString::fromUtf8(sqlite3_column_decltype(stmt_, column));
}

QVariant Statement::value(int column) const {
    switch (sqlite3_column_type(stmt_, column)) {
        case SQLITE_INTEGER:
            return QVariant(qint64(sqlite3_column_int64(stmt_, column)));
        case SQLITE_FLOAT:
            return QVariant(sqlite3_column_double(stmt_, column));
        case SQLITE_TEXT:
            return QVariant(
                QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column)),
                                  sqlite3_column_bytes(stmt_, column)));
        case SQLITE_BLOB: {
            const auto* data = static_cast<const char*>(sqlite3_column_blob(stmt_, column));
            return QVariant(QByteArray(data, sqlite3_column_bytes(stmt_, column)));
        }
        default:
            return {};
    }
}

QVariant Statement::value(const QString& column) const {
    const int index = columnIndex(column);
    if (index < 0) throw DbError(QStringLiteral("Field '%1' not found").arg(column));
    return value(index);
}

int Statement::columnIndex(const QString& column) const {
    for (int i = 0; i < names_.size(); ++i) {
        if (names_[i].compare(column, Qt::CaseInsensitive) == 0) return i;
    }
    return -1;
}

bool Statement::isNull(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_NULL;
}

bool Statement::isText(int column) const {
    return sqlite3_column_type(stmt_, column) == SQLITE_TEXT;
}

qint64 Statement::integer(int column) const { return sqlite3_column_int64(stmt_, column); }

std::string_view Statement::utf8(int column) const {
    const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(stmt_, column));
    return text ? std::string_view(text, size_t(sqlite3_column_bytes(stmt_, column)))
                : std::string_view();
}

int Statement::changes() const { return changes_; }

}  // namespace vantir
