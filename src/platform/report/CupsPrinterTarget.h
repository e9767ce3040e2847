#pragma once

#include <QByteArray>
#include <memory>

#include "platform/report/RawPrinterTarget.h"

namespace vantir {

// The system's default printer through CUPS, fed a raw job (application/vnd.cups-raw)
// so that the printer receives the bytes exactly as written.
class CupsPrinterTarget : public RawPrinterTarget {
  public:
    // Throws PrinterError when there is no default printer or CUPS cannot be reached.
    static std::unique_ptr<CupsPrinterTarget> openDefault();
    ~CupsPrinterTarget() override;

    void startJob(const QString& name) override;
    void write(const QByteArray& bytes) override;
    void endJob() override;
    void abandonJob() noexcept override;

  private:
    struct Connection;
    explicit CupsPrinterTarget(QByteArray printerName);
    void connect();

    QByteArray printerName_;
    std::unique_ptr<Connection> connection_;
    int jobId_ = 0;
};

}  // namespace vantir
