#pragma once

#include <QString>
#include <optional>

#include "common/printing/PrintRunner.h"

namespace vantir {

class PrintoutRegistry;
struct AppState;

// The print dialog "印刷設定" for one of its five reports (the report name of its command:
// QR_Nyu_Yo, QR_Hari_Yo, QR_Hari_Lst, QR_Kake_Rep, QR_Furi_Den) without its window: the
// month it opens with and the pages a print shows, on the layout the company's report flag
// chose at start. The transfer slips QR_Furi_Den print nothing.
class SchedulePrint {
  public:
    // Throws PrintError for a report the dialog does not serve.
    SchedulePrint(const QString& reportName, const AppState& state,
                  const PrintoutRegistry& registry, PrintSources sources);

    // The month before today's, "yy/mm".
    static QString openingMonth();

    // The printout a print lays out: the report's twin "2" when the report flag is "1".
    QString printout() const;
    // The month's report; nothing for the transfer slips. Throws PrintError (a month that
    // is no month, no data), ReportError and DbError.
    std::optional<PageModel> layOut(const QString& month) const;

  private:
    QString reportName_;
    const AppState& state_;
    const PrintoutRegistry& registry_;
    PrintSources sources_;
};

}  // namespace vantir
