#pragma once

#include <QByteArray>
#include <QString>

namespace vantir {

// Where raw printer output goes: the system's default printer, or a file. Each step
// throws PrinterError when it fails; abandonJob drops an unfinished job so that nothing
// half-written is left behind as a finished job.
class RawPrinterTarget {
  public:
    virtual ~RawPrinterTarget() = default;
    virtual void startJob(const QString& name) = 0;
    virtual void write(const QByteArray& bytes) = 0;
    virtual void endJob() = 0;
    virtual void abandonJob() noexcept = 0;
};

}  // namespace vantir
