#pragma once

#include <QPointF>
#include <QSizeF>

namespace vantir {

class ReportBand;

// One delivery receipt (受領書) as the consignee signs it, drawn in a box of the given
// size: the heading and the slip number, the customer, the dispatch day, the transport
// section, the vehicle and the note, and the company and branch names at the foot. A
// blank receipt has the fixed texts and the names only, its number position left empty,
// for filling in by hand.
class ReceiptForm {
  public:
    enum class Content { Slip, Blank };

    // The rows need CNAME and TENMEI, and for a slip's receipt the slip's columns.
    static void add(ReportBand& band, QPointF at, QSizeF size, Content content);
};

}  // namespace vantir
