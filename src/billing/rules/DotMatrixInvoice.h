#pragma once

#include <QByteArray>
#include <QList>

#include "billing/rules/InvoiceLine.h"
#include "billing/rules/InvoiceSheet.h"

namespace vantir {

// The detailed invoice for the dot-matrix printer on its pre-printed continuous form: one
// ESC/P job (kanji mode) of 60-line pages, text in Shift_JIS. Each page has the header
// lines (invoice date, postal code, address, the customer in enlarged type, the total
// with its tax) and up to 31 slip lines, each followed by a small gap. A full page of 31
// lines ends with a form feed, even when no slip is left: the totals line then stands
// alone on the next page; a page with fewer lines is made up with empty slip lines to 32
// positions. An invoice without slips prints one slip line of empty values.
//
// Slip line fields are counted in Shift_JIS bytes: origin, destination and remark are cut
// to 10 bytes on a character boundary (never inside a double-byte character); padding
// fills each field to its width, but never more than 10 spaces for one field.
class DotMatrixInvoice {
  public:
    static constexpr int kLinesPerPage = 31;
    static constexpr int kSlipPositions = 32;
    static constexpr int kMaxPadding = 10;

    static QByteArray stream(const InvoiceSheet& sheet, const QList<InvoiceLine>& lines);

    // A field of a slip line, padded with spaces to width (at most kMaxPadding of them):
    // the first maxBytes bytes of text, the whole text, or the text right-aligned.
    static QByteArray leftAligned(const QString& text, int maxBytes, int width);
    static QByteArray leftAligned(const QString& text, int width);
    static QByteArray rightAligned(const QString& text, int width);

    // The print job's name.
    static QString jobName() { return QStringLiteral("請求書印刷"); }
};

}  // namespace vantir
