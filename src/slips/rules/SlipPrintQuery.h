#pragma once

#include <QString>
#include <QStringList>

namespace vantir {

struct PrintSelection;

// The text of Q_HIT1QR for the slip printouts of one day: the slips whose dispatch,
// unloading or billing date (--kind "配車日", "降し日", "請求日") is the selected date.
//
// Rows come in slip-number order, each number read as a whole number as the numbering
// rule reads it: CAST(Trim(CODE) AS INTEGER) is the value of every plain number (digits
// with spaces around), the numbers the entry screens give; ties and the odd number that
// is no plain number fall back on the text.
class SlipPrintQuery {
  public:
    enum class Receipt {
        Any,        // every slip of the day
        Confirmed,  // 確定: CHKDAY holds a date
        Open,       // 未確定: CHKDAY is NULL or empty text
    };

    // The kinds of date, in the order the print range dialog offers them.
    static const QStringList& kinds();
    // The slip column a kind selects by ("HYMD"); empty for a kind that is none of them.
    static QString dateColumn(const QString& kind);

    // The lines of the check lists' query.
    static QStringList slips(const PrintSelection& selection, Receipt receipt);
    // The receipts' query: the slips with the company name CNAME of COP_DAT and the name
    // TENMEI of the first branch in code order on every row.
    static QStringList receipts(const PrintSelection& selection);
    // The blank receipt sheet: one row of CNAME and TENMEI.
    static QStringList names();
};

}  // namespace vantir
