#pragma once

#include <QDate>
#include <QList>
#include <QString>

#include "data/sample/SamplePartner.h"

namespace vantir {

class Connection;
class SampleRandom;

// The slips, receipts and payments of a sample company over the last `months` months up
// to today: the months before this one whole, this one up to today. Slips fall on the
// working days (Sundays off) in date order, numbered 1 upwards in that order. Each month
// every customer pays, on its closing day, what it was invoiced the month before (the
// balance brought forward in the first month), and the company pays its carriers at the
// month end, as its control record says; a payment day still to come is left out, and
// receipts and payments stop where their numbers would need a seventh digit.
class SampleTransactions {
  public:
    SampleTransactions(Connection& connection, SampleRandom& random,
                       const QList<SamplePartner>& partners, int months, const QDate& today);

    void writeSlips(int count);
    void writeReceipts();
    void writePayments();

  private:
    // Days are counted from the first day of the period; the texts cover a few days past
    // today, where an unloading date may fall.
    const QString& dayText(int day) const { return dayTexts_[day]; }
    int monthOf(int day) const { return months_[day]; }
    qint64& invoiced(int month, qsizetype customer) {
        return invoiced_[month * customers_.size() + customer];
    }
    qint64& owed(int month, qsizetype carrier) { return owed_[month * carriers_.size() + carrier]; }
    // The day a customer with this closing day pays in the month that starts on `first`.
    int paymentDay(const QDate& first, const QString& sime) const;

    Connection& connection_;
    SampleRandom& random_;
    QList<SamplePartner> customers_;
    QList<SamplePartner> carriers_;
    QDate first_;
    int monthCount_;
    int today_;  // today's day number
    QList<QString> dayTexts_;
    QList<int> months_;
    QList<int> workingDays_;
    QList<qint64> invoiced_;  // freight, sales expenses and tax, per month and customer
    QList<qint64> owed_;      // carrier totals and tax, per month and carrier
};

}  // namespace vantir
