#pragma once

#include <QString>

#include "platform/report/ReportContext.h"

namespace vantir {

class ReportColumnTable;
class ReportDefinition;

// What the schedule prints have in common on the page.
namespace schedulePage {

// The body of A4 portrait inside 10 mm margins, for which the columns are drawn; the
// continuous form spreads them over its own body.
inline constexpr double kA4Body = 190.0;

// The page header: the page number on the left, the report's title centred, the date of
// printing on the right.
void addHeader(ReportDefinition& report);

// What a carrier is paid on a payment row: fee, expenses and in-house fee together.
QVariant paymentTotal(const ReportContext& row);

// A list of one line per row: the page header, the column heads on the first page, the
// lines, and the page's sums in the page footer.
void addListBands(ReportDefinition& report, const ReportColumnTable& columns);

}  // namespace schedulePage

}  // namespace vantir
