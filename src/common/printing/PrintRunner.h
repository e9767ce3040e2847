#pragma once

#include <QString>

#include "common/printing/PrintRequest.h"
#include "common/printing/Printout.h"
#include "platform/report/PageModel.h"

class QWidget;

namespace vantir {

class PrintoutRegistry;
class ReportPreview;

// Prints a registered printout: the selection becomes the printout's query on a view of
// either data module, the view's rows feed the printout's definition on its paper, and
// the laid-out pages go to the print preview, a PDF file or the text dump of the pages.
// The view stays open afterwards, as the printout's query left it.
//
// Throws PrintError (unknown printout, a text file that cannot be written), ReportError
// (a layout naming a column the rows lack, a PDF that cannot be written) and DbError.
class PrintRunner {
  public:
    PrintRunner(const PrintoutRegistry& registry, PrintSources sources);

    PageModel layOut(const QString& printout, const PrintSelection& selection) const;
    // The preview window, shown, deleting itself when closed.
    ReportPreview* preview(const QString& printout, const PrintSelection& selection,
                           QWidget* parent = nullptr) const;
    void writePdf(const QString& printout, const PrintSelection& selection,
                  const QString& path) const;
    // The dump of the pages (PageModelDump), UTF-8; written whole or not at all.
    void writeText(const QString& printout, const PrintSelection& selection,
                   const QString& path) const;
    // A request of the command line: to its PDF or text file.
    void run(const PrintRequest& request) const;

  private:
    const PrintoutRegistry& registry_;
    PrintSources sources_;
};

}  // namespace vantir
