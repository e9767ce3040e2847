#pragma once

#include <QByteArray>
#include <QString>
#include <memory>

#include "platform/report/RawPrinterTarget.h"

namespace vantir {

// Raw output to a printer, bytes passed through untouched (the dot-matrix invoice's
// ESC/P stream): open the default printer, start a job with a name, write, end, close.
//
//   RawPrinter printer = RawPrinter::openDefault();
//   printer.startJob(QStringLiteral("請求書印刷"));
//   printer.write(bytes);
//   printer.endJob();
//   printer.close();
//
// Every failure throws PrinterError ("プリンタ印字エラー") after abandoning the job;
// a job not ended when the printer is closed or destroyed is abandoned too.
class RawPrinter {
  public:
    // VANTIR_RAW_PRINTER=file:/path sends the bytes to that file (written whole when the
    // job ends); otherwise the system's default printer through CUPS.
    static RawPrinter openDefault();
    // One whole job on the default printer.
    static void printJob(const QString& name, const QByteArray& bytes);

    explicit RawPrinter(std::unique_ptr<RawPrinterTarget> target);
    RawPrinter(RawPrinter&&) noexcept;
    RawPrinter& operator=(RawPrinter&&) noexcept;
    ~RawPrinter();

    void startJob(const QString& name);
    void write(const QByteArray& bytes);
    void endJob();
    void close();
    bool isOpen() const { return target_ != nullptr; }
    bool inJob() const { return inJob_; }

  private:
    template <typename Step>
    void runStep(Step step);

    std::unique_ptr<RawPrinterTarget> target_;
    bool inJob_ = false;
};

}  // namespace vantir
