#include "platform/report/RawPrinter.h"

#include <utility>

#include "platform/report/CupsPrinterTarget.h"
#include "platform/report/FilePrinterTarget.h"
#include "platform/report/PrinterError.h"

namespace vantir {

RawPrinter RawPrinter::openDefault() {
    const QString setting = qEnvironmentVariable("VANTIR_RAW_PRINTER");
    if (setting.isEmpty()) return RawPrinter(CupsPrinterTarget::openDefault());
    const QString filePrefix = QStringLiteral("file:");
    if (!setting.startsWith(filePrefix))
        throw PrinterError(QStringLiteral("VANTIR_RAW_PRINTER is not file:PATH: ") + setting);
    return RawPrinter(FilePrinterTarget::open(setting.mid(filePrefix.size())));
}

void RawPrinter::printJob(const QString& name, const QByteArray& bytes) {
    RawPrinter printer = openDefault();
    printer.startJob(name);
    printer.write(bytes);
    printer.endJob();
    printer.close();
}

RawPrinter::RawPrinter(std::unique_ptr<RawPrinterTarget> target) : target_(std::move(target)) {}

RawPrinter::RawPrinter(RawPrinter&& other) noexcept
    : target_(std::move(other.target_)), inJob_(std::exchange(other.inJob_, false)) {}

RawPrinter& RawPrinter::operator=(RawPrinter&& other) noexcept {
    if (this != &other) {
        close();
        target_ = std::move(other.target_);
        inJob_ = std::exchange(other.inJob_, false);
    }
    return *this;
}

RawPrinter::~RawPrinter() { close(); }

template <typename Step>
void RawPrinter::runStep(Step step) {
    try {
        step();
    } catch (const PrinterError&) {
        if (inJob_ && target_) target_->abandonJob();
        inJob_ = false;
        throw;
    }
}

void RawPrinter::startJob(const QString& name) {
    runStep([&] {
        if (!target_) throw PrinterError(QStringLiteral("the printer is not open"));
        if (inJob_) throw PrinterError(QStringLiteral("a job is already started"));
        inJob_ = true;  // a start that fails half-way is abandoned like any job
        target_->startJob(name);
    });
}

void RawPrinter::write(const QByteArray& bytes) {
    runStep([&] {
        if (!inJob_) throw PrinterError(QStringLiteral("no job is started"));
        target_->write(bytes);
    });
}

void RawPrinter::endJob() {
    runStep([&] {
        if (!inJob_) throw PrinterError(QStringLiteral("no job is started"));
        target_->endJob();
        inJob_ = false;
    });
}

void RawPrinter::close() {
    if (inJob_ && target_) target_->abandonJob();
    inJob_ = false;
    target_.reset();
}

}  // namespace vantir
