#pragma once

#include <QString>

namespace vantir {

class ReportCursor;
class ReportDefinition;
struct PageModel;

// A report as a PDF file, with its Japanese fonts embedded; no window is needed. The
// file is written whole or not at all: a failure leaves an earlier file of that name
// as it was.
class ReportPdf {
  public:
    static void write(const PageModel& model, const QString& path);  // throws ReportError
    // Lays the report out and writes it.
    static void write(const ReportDefinition& definition, ReportCursor& rows, const QString& path);
};

}  // namespace vantir
