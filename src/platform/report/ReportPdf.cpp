#include "platform/report/ReportPdf.h"

#include <QPdfWriter>
#include <QSaveFile>
#include <QTemporaryFile>

#include "platform/report/DocumentPainter.h"
#include "platform/report/PageModel.h"
#include "platform/report/PdfUnicodeMaps.h"
#include "platform/report/PrintedCharacters.h"
#include "platform/report/ReportError.h"
#include "platform/report/ReportLayout.h"

namespace vantir {

namespace {
// Fine enough that positions rounded to device units stay well under a tenth of a mm.
constexpr int kPdfResolution = 1200;

[[noreturn]] void cannotWrite(const QString& path, const QString& why) {
    throw ReportError(QStringLiteral("PDFファイルを書き込めません: %1 (%2)").arg(path, why));
}
}  // namespace

// The writer's own PDF goes to a temporary file first; its ToUnicode maps are then mended
// on the way to the file named, so that the text reads back as it was printed.
void ReportPdf::write(const PageModel& model, const QString& path) {
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly)) cannotWrite(path, file.errorString());
    QTemporaryFile drawn;
    if (!drawn.open()) cannotWrite(path, drawn.errorString());
    PrintedCharacters printed;
    {
        QPdfWriter writer(&drawn);
        writer.setResolution(kPdfResolution);
        writer.setTitle(model.title);
        writer.setCreator(QStringLiteral("Vantir"));
        if (!DocumentPainter::paint(model, writer, &printed))
            throw ReportError(QStringLiteral("PDFファイルを書き込めません: ") + path);
    }
    if (!drawn.flush()) cannotWrite(path, drawn.errorString());
    PdfUnicodeMaps::rewrite(drawn, file, printed.corrections());
    if (!file.commit()) cannotWrite(path, file.errorString());
}

void ReportPdf::write(const ReportDefinition& definition, ReportCursor& rows, const QString& path) {
    write(ReportLayout::run(definition, rows), path);
}

}  // namespace vantir
