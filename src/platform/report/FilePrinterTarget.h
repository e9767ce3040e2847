#pragma once

#include <QSaveFile>
#include <memory>

#include "platform/report/RawPrinterTarget.h"

namespace vantir {

// Raw printer output into a file, for tests and for users without a dot-matrix
// printer. A job's bytes reach the file only when the job ends; an abandoned job
// leaves the file as it was.
class FilePrinterTarget : public RawPrinterTarget {
  public:
    // Throws PrinterError when the path is empty or its folder does not exist.
    static std::unique_ptr<FilePrinterTarget> open(const QString& path);

    void startJob(const QString& name) override;
    void write(const QByteArray& bytes) override;
    void endJob() override;
    void abandonJob() noexcept override;

  private:
    explicit FilePrinterTarget(QString path) : path_(std::move(path)) {}

    QString path_;
    std::unique_ptr<QSaveFile> file_;
};

}  // namespace vantir
