#pragma once

#include <QString>
#include <QStringList>
#include <QtGlobal>

namespace vantir {
class Connection;
}

namespace vantir::test {

// The monthly aggregation written the long way, one statement after another as the
// aggregation has always been described: work tables filled by copies, a count and a sum
// per partner and amount, updates per partner. It is the reference the set-based run is
// checked against (and measured against in MonthlyBench). The corrections the program
// makes are applied here too: partners with an empty or NULL site flag belong to their
// closing day's group, the payment amount is HITRAN3.SKING, the loop visits 01 to 28 in
// every month (29 too outside February), a one-digit closing day counts with two digits.
// It does not refresh the working copy and pushes without transactions.
class LiteralMonthlyRun {
  public:
    LiteralMonthlyRun(Connection& mainDatabase, Connection& workingCopy)
        : main_(mainDatabase), work_(workingCopy) {}

    // Throws std::runtime_error with the rule's message when the period is refused.
    void run(const QString& closingDay, const QString& month);

  private:
    void customerMonthly(const QString& c);
    void customerCumulative(const QString& c);
    void ownCustomerMonthly();
    void ownCustomerCumulative();
    void addCustomers();
    void carrierMonthly(const QString& c);
    void carrierCumulative(const QString& c);
    void ownCarrierMonthly();
    void ownCarrierCumulative();
    void addCarriers();
    void tidy(const QString& table);
    void push(const QString& table, const QString& stage, const QString& columns);
    void rebuildLedger(bool sales);

    void extract(const QString& source, const QString& into, const QString& join,
                 const QString& start, const QStringList& filters);
    void groupRows(const QString& into, const QString& condition);
    qint64 count(const QString& sql);
    qint64 sum(const QString& sql);
    void exec(const QString& sql);
    void setAmount(const QString& table, const QString& column, qint64 value,
                   const QString& codeColumn, const QString& code);
    QStringList codes(const QString& sql);
    qint64 readTax();

    Connection& main_;
    Connection& work_;
    QString c_;
    QString month_, S_, E_, F_;
    QString VSIM_, VSIT_, VYOT_;
};

// Copies a query result of one database into a table of the same or the other: the
// destination is dropped and made anew with the result's columns.
void copyQuery(Connection& from, const QString& sql, Connection& to, const QString& table);

}  // namespace vantir::test
