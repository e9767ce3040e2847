#include "platform/report/FilePrinterTarget.h"

#include <QDir>
#include <QFileInfo>

#include "platform/report/PrinterError.h"

namespace vantir {

std::unique_ptr<FilePrinterTarget> FilePrinterTarget::open(const QString& path) {
    if (path.isEmpty()) throw PrinterError(QStringLiteral("no output file is named"));
    if (!QFileInfo(path).absoluteDir().exists())
        throw PrinterError(QStringLiteral("the folder of the output file does not exist: ") + path);
    return std::unique_ptr<FilePrinterTarget>(new FilePrinterTarget(path));
}

void FilePrinterTarget::startJob(const QString&) {
    file_ = std::make_unique<QSaveFile>(path_);
    if (!file_->open(QIODevice::WriteOnly))
        throw PrinterError(QStringLiteral("cannot open %1: %2").arg(path_, file_->errorString()));
}

void FilePrinterTarget::write(const QByteArray& bytes) {
    if (file_->write(bytes) != bytes.size())
        throw PrinterError(QStringLiteral("cannot write %1: %2").arg(path_, file_->errorString()));
}

void FilePrinterTarget::endJob() {
    const bool committed = file_->commit();
    const QString error = file_->errorString();
    file_.reset();
    if (!committed) throw PrinterError(QStringLiteral("cannot write %1: %2").arg(path_, error));
}

void FilePrinterTarget::abandonJob() noexcept {
    if (file_) file_->cancelWriting();
    file_.reset();  // the temporary file goes with it
}

}  // namespace vantir
