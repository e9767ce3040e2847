#pragma once

#include <QDate>
#include <QString>
#include <QStringList>

#include "cash/rules/CashSide.h"
#include "common/printing/PrintSelection.h"

namespace vantir {

class DataModule1;

// The partners a closing day offers in the print dialog's two lists: "指定無" first,
// then one entry per partner, with the codes beside the names.
struct PartnerChoices {
    bool replace = false;  // false: the lists stay as they were
    QStringList names;     // "指定無" and the names; empty when the day has no partner
    QStringList codes;     // the code of each name ("" for "指定無")
    QString message;       // the conversion error of a closing day that is no number
};

// The print dialog 締日選択 in receipt mode (SelSime) or payment mode (SelSime2) without
// its window: the closing day's partners for the lists, the month it opens with, and
// the selection the printed list is printed with.
class CashPrintRules {
  public:
    static const QString kNoChoice;  // 指定無

    // data must outlive the rules.
    CashPrintRules(const CashSide& side, DataModule1& data);

    const CashSide& side() const { return side_; }

    // The month before today's, "yy/mm".
    static QString openingMonth(const QDate& today);
    // The partners of a closing day, for a day of "01" to "31"; the lists stay as they
    // were for an empty day, "00" and anything from 32 ("99", the month end, included).
    // Throws DbError.
    PartnerChoices partnersOf(const QString& closingDay) const;
    // What the dialog prints with: the list query as it stands (the list screen's last
    // selection), narrowed to the code range, headed by the month and closing day.
    static PrintSelection selection(const QString& closingDay, const QString& month,
                                    const QString& from, const QString& to);

  private:
    const CashSide& side_;
    DataModule1& data_;
};

}  // namespace vantir
