#pragma once

#include <QString>
#include <QStringList>

namespace vantir {

class Database;

// Brings a main database delivered with an earlier version to the present layout. Runs on
// every start before anything else uses the main database, and from vantir-cli upgrade.
// Each numbered step tests whether it is needed, so an up-to-date database is not touched:
//
//  1. HIMAS3 with fewer than 35 columns gains the transaction type KY_KBN.
//  2. A missing control table S_CONTROL is created empty (the control screen makes its row).
//  3. A missing carrier monthly table HIMAS32 is made with the columns of HIMAS31, empty.
//  4. A code table FLG_DATA with fewer than seven rows is rebuilt with exactly its seven.
//  5. COP_DAT with fewer than 10 columns gains the layout switches RPT_FLG and RPT_FLG2,
//     both set to "1": such a database was printing on continuous and dedicated forms.
//
// Steps 1 and 5 swallow their errors (a column that exists under a count that still looks
// short); an error in steps 2 to 4 ends the upgrade with the database's message.
class DatabaseUpgrade {
  public:
    explicit DatabaseUpgrade(Database& database) : database_(database) {}

    // false when a step ended the upgrade; error() then holds the database's message.
    bool run();
    const QString& error() const { return error_; }
    // What this run changed, one line per change, in the order made.
    const QStringList& changes() const { return changes_; }

  private:
    void addPartnerTransactionType();
    void createControlTable();
    void createCarrierMonthlyTable();
    void rebuildCodeTable();
    void addReportLayoutSwitches();

    int columnCount(const QString& table);
    void execute(const QStringList& lines);

    Database& database_;
    QString error_;
    QStringList changes_;
};

}  // namespace vantir
