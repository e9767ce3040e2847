#include "platform/report/ReportPdf.h"

#include <QPdfWriter>
#include <QSaveFile>

#include "platform/report/DocumentPainter.h"
#include "platform/report/PageModel.h"
#include "platform/report/ReportError.h"
#include "platform/report/ReportLayout.h"

namespace vantir {

namespace {
// Fine enough that positions rounded to device units stay well under a tenth of a mm.
constexpr int kPdfResolution = 1200;
}  // namespace

void ReportPdf::write(const PageModel& model, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        throw ReportError(
            QStringLiteral("PDFファイルを書き込めません: %1 (%2)").arg(path, file.errorString()));
    {
        QPdfWriter writer(&file);
        writer.setResolution(kPdfResolution);
        writer.setTitle(model.title);
        writer.setCreator(QStringLiteral("Vantir"));
        if (!DocumentPainter::paint(model, writer))
            throw ReportError(QStringLiteral("PDFファイルを書き込めません: ") + path);
    }
    if (!file.commit())
        throw ReportError(
            QStringLiteral("PDFファイルを書き込めません: %1 (%2)").arg(path, file.errorString()));
}

void ReportPdf::write(const ReportDefinition& definition, ReportCursor& rows, const QString& path) {
    write(ReportLayout::run(definition, rows), path);
}

}  // namespace vantir
