#pragma once

#include <QDate>
#include <QSet>
#include <QString>
#include <QStringList>

#include "platform/dataset/Result.h"

namespace vantir {

class Connection;
class Database;
class Messages;
class Registry;

// The year-end purge of the dialog 年度データ処理: a year's archive of the main database
// ("VANTIR" + year + ".mdb", registered as the data source "Rinji" + year), then every
// slip, ledger line and monthly row up to the chosen month deleted. Lives as long as the
// dialog, which remembers the years archived while it was open.
class YearEndPurge {
  public:
    YearEndPurge(QString programDir, Database& mainDatabase, Registry& registry,
                 Messages& messages);

    // The year list: this year and the three before it, newest first, four digits; the
    // list starts on this year minus 2.
    static QStringList yearChoices(const QDate& today);
    static QString presetYear(const QDate& today);
    // The months "01" to "12"; the list starts on "12".
    static QStringList monthChoices();
    static QString presetMonth() { return QStringLiteral("12"); }

    // The first day after the chosen month, "yy/mm/dd" (2001, 12 -> "02/01/01"). Monthly
    // rows dated on it go, slips dated on it stay.
    static QString bound(int year, int month);
    // The eight deletes for a bound, in the order they run.
    static QStringList purgeStatements(const QString& bound);
    static QString archiveFileName(int year);    // "VANTIR2001.mdb"
    static QString archiveDataSource(int year);  // "Rinji2001"

    // "&R 実行": asks whether to archive the year (a failed archive ends the run with its
    // message and nothing deleted), then whether to delete up to the month; registers the
    // year's archive when it was made while the dialog is open.
    void run(int year, int month);

    // A consistent copy of each main database (DataBase first, then one lying directly
    // in the program directory) into the year's archive beside it, replacing an older one.
    Result archive(int year);
    // The eight deletes in one transaction: all of them or, on a failure, none.
    static Result purge(Connection& mainDatabase, const QString& bound);
    void registerArchive(int year);

  private:
    QString programDir_;
    Database& mainDatabase_;
    Registry& registry_;
    Messages& messages_;
    QSet<int> archivedYears_;
};

}  // namespace vantir
