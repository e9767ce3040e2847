#pragma once

#include <QString>

#include "common/printing/PrintRunner.h"
#include "monthly/rules/MonthlyReportShape.h"
#include "monthly/rules/MonthlyRunValues.h"

namespace vantir {

class PrintoutRegistry;

// The rules of the dialog "月次印刷範囲設定" for one of the eighteen month-based reports
// (the report name the menu command recorded): its shape, the values it opens with, and
// the print, which rebuilds the report's work tables from scratch each time.
class MonthlyPrintRules {
  public:
    // Throws PrintError for a name that is not a month-based report.
    MonthlyPrintRules(const QString& reportName, const PrintoutRegistry& registry,
                      PrintSources sources);

    const MonthlyReportShape& shape() const { return shape_; }
    // 締日 the control record's own closing day, 月度 the month before today.
    MonthlyOpeningFields opening() const;
    // The fields as typed; the third row only where the report has one.
    PrintSelection selection(const QString& closingDay, const QString& month, const QString& from,
                             const QString& to, const QString& choice) const;
    // Throws PrintError (an empty field, no rows: the message to show), DbError and
    // ReportError.
    PageModel layOut(const PrintSelection& selection) const;

  private:
    const MonthlyReportShape& shape_;
    PrintSources sources_;
    PrintRunner runner_;
};

}  // namespace vantir
