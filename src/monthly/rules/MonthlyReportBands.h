#pragma once

#include <QString>

namespace vantir {

class ReportBand;
class ReportDefinition;
struct PrintSelection;

// What several month-based reports print alike.
namespace monthlyReportBands {

constexpr double kLine = 5.0;

// The page header of the summaries, rate tables and yearly sheets: the page number, the
// heading, the print date, and under them the month as entered (QRL_Tuki). Returns the
// band, `height` mm high, for what a report adds below.
ReportBand& addPageHeader(ReportDefinition& report, const QString& heading,
                          const PrintSelection& selection, double height);

}  // namespace monthlyReportBands

}  // namespace vantir
