#pragma once

#include <QString>
#include <QStringList>
#include <QVariant>
#include <string_view>

struct sqlite3;
struct sqlite3_stmt;

namespace vantir {

// A prepared statement (RAII). step() returns true while a row is available.
// Result columns that are unnamed expressions carry the Jet names "Expr1000",
// "Expr1001", ... so that "SELECT COUNT(*) FROM HITRAN1" exposes Expr1000.
class Statement {
  public:
    Statement() = default;
    Statement(sqlite3* db, sqlite3_stmt* stmt, QString sql);
    ~Statement();
    Statement(Statement&& other) noexcept;
    Statement& operator=(Statement&& other) noexcept;
    Statement(const Statement&) = delete;
    Statement& operator=(const Statement&) = delete;

    bool isValid() const { return stmt_ != nullptr; }

    // Binds ":NAME" (name given with or without the colon). Unknown names are ignored,
    // so one parameter list can serve statements that use part of it.
    void bind(const QString& name, const QVariant& value);
    void bind(int index, const QVariant& value);  // 1-based, as SQLite counts
    void clearBindings();

    bool step();   // throws DbError
    void reset();  // back to before the first row, bindings kept

    int columnCount() const;
    QString columnName(int column) const;
    QStringList columnNames() const;
    // Declared type of the column the result column comes from ("" for expressions).
    QString declaredType(int column) const;
    // The value as the datasets hand it out: whole numbers as qint64, fractions as double,
    // text as QString, blobs as QByteArray, NULL as an invalid QVariant.
    QVariant value(int column) const;
    QVariant value(const QString& column) const;   // case-insensitive; throws when unknown
    int columnIndex(const QString& column) const;  // case-insensitive; -1 when unknown
    // For loops over many rows, without a QVariant per value: whether the value is empty,
    // the value as an integer (text by its leading digits), and the value as UTF-8 bytes,
    // valid until the next step.
    bool isNull(int column) const;
    bool isText(int column) const;
    qint64 integer(int column) const;
    std::string_view utf8(int column) const;

    // Rows changed by the last run of the statement (0 for queries and table changes).
    int changes() const;
    const QString& sql() const { return sql_; }

  private:
    void finalize();

    sqlite3* db_ = nullptr;
    sqlite3_stmt* stmt_ = nullptr;
    QString sql_;
    QStringList names_;
    qint64 changesBefore_ = 0;  // the connection's total changes when this run began
    int changes_ = 0;           // rows the last run changed
};

}  // namespace vantir
