#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include "platform/dataset/Result.h"

namespace vantir {

class Database;
struct InitializationTable;

// The initialization screen's work on the main database: tables emptied one at a time
// (slips and ledgers optionally only up to a date) and the manual column upgrade of the
// slip-layout tables. Lives as long as the screen: before its first deletion a
// consistent copy of the main database is kept beside it (DataBase/VANTIR_<date and
// time>.mdb), so that a master emptied by one click can still be got back.
class Initialization {
  public:
    explicit Initialization(Database& mainDatabase);

    // The access password: "zobel" or "ZOBEL", exactly.
    static bool passwordAccepted(const QString& text);
    // The date the screen starts on: the last day of the month three months back.
    static QDate presetDate(const QDate& today);
    // "DELETE FROM " table, with "WHERE DDAY <= 'yy/mm/dd'" for a date-bound table when
    // the date is used.
    static QStringList deleteStatement(const InitializationTable& table, bool useDate,
                                       const QDate& date);
    // The column upgrade's statements, each as its two lines, in the order they run.
    static QList<QStringList> upgradeStatements();

    // Empties the table (after the safety copy); a failed copy deletes nothing.
    Result clear(const InitializationTable& table, bool useDate, const QDate& date);
    // Runs the upgrade statements in order and stops at the first that fails (a column
    // that exists already): those before it stay done.
    Result upgradeColumns();

    // The safety copy taken, empty before the first deletion.
    const QString& safetyCopy() const { return safetyCopy_; }

  private:
    Result takeSafetyCopy();

    Database& mainDatabase_;
    QString safetyCopy_;
};

}  // namespace vantir
