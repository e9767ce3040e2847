#include "common/printing/PrintRunner.h"

#include <QSaveFile>

#include "common/printing/PrintError.h"
#include "common/printing/PrintoutRegistry.h"
#include "data/AppState.h"
#include "data/DataModule2.h"
#include "platform/report/DatasetCursor.h"
#include "platform/report/PageModelDump.h"
#include "platform/report/ReportLayout.h"
#include "platform/report/ReportPdf.h"
#include "platform/report/ReportPreview.h"

namespace vantir {

PrintRunner::PrintRunner(const PrintoutRegistry& registry, PrintSources sources)
    : registry_(registry), sources_(sources) {}

PageModel PrintRunner::layOut(const QString& printout, const PrintSelection& selection) const {
    const Printout& p = registry_.find(printout);
    PrintSelection filled = selection;
    filled.office = sources_.dm2.state().EditTen2;
    const Dataset& rows = p.query(sources_, filled);
    DatasetCursor cursor(rows);
    return ReportLayout::run(p.define(p.paper, filled), cursor);
}

ReportPreview* PrintRunner::preview(const QString& printout, const PrintSelection& selection,
                                    QWidget* parent) const {
    return ReportPreview::open(layOut(printout, selection), parent);
}

void PrintRunner::writePdf(const QString& printout, const PrintSelection& selection,
                           const QString& path) const {
    ReportPdf::write(layOut(printout, selection), path);
}

void PrintRunner::writeText(const QString& printout, const PrintSelection& selection,
                            const QString& path) const {
    const PageModel model = layOut(printout, selection);
    QSaveFile file(path);
    bool written = file.open(QIODevice::WriteOnly);
    // Line by line: a long report never has its whole text in memory.
    dumpPageModel(model, [&file, &written](const QString& line) {
        const QByteArray bytes = line.toUtf8() + '\n';
        written = written && file.write(bytes) == bytes.size();
    });
    if (!written || !file.commit())
        throw PrintError(QStringLiteral("cannot write %1 (%2)").arg(path, file.errorString()));
}

void PrintRunner::run(const PrintRequest& request) const {
    if (request.output == PrintRequest::Output::Pdf)
        writePdf(request.printout, request.selection, request.path);
    else
        writeText(request.printout, request.selection, request.path);
}

}  // namespace vantir
