#pragma once

#include <QString>
#include <QStringList>

namespace vantir {

class Connection;

// Carries the working copy's result tables into the main database and back. Each table is
// replaced whole in one transaction: a failure at any point leaves the previous table.
// The working copy is attached to the main database's connection for as long as the
// object lives; its own connection must hold no open transaction meanwhile.
class MainDatabasePush {
  public:
    MainDatabasePush(Connection& mainDatabase, const QString& workingCopyPath);
    ~MainDatabasePush();
    MainDatabasePush(const MainDatabasePush&) = delete;
    MainDatabasePush& operator=(const MainDatabasePush&) = delete;

    // The main database's table becomes the working copy's, rows in orderBy order.
    void push(const QString& table, const QStringList& columns, const QString& orderBy);
    // The working copy's table becomes the main database's.
    void bringBack(const QString& table, const QStringList& columns, const QString& orderBy);

  private:
    void replace(const QString& into, const QString& from, const QStringList& columns,
                 const QString& orderBy);

    Connection& main_;
};

}  // namespace vantir
