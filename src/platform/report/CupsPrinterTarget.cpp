#include "platform/report/CupsPrinterTarget.h"

#include <cups/cups.h>
#include <sys/socket.h>

#include "platform/report/PrinterError.h"

namespace vantir {

namespace {

// Waits this long for the CUPS server to answer before giving up.
constexpr int kConnectTimeoutMs = 30000;

QString cupsError(const char* step) {
    return QStringLiteral("%1: %2").arg(QLatin1String(step),
                                        QString::fromUtf8(cupsLastErrorString()));
}

}  // namespace

struct CupsPrinterTarget::Connection {
    http_t* http = nullptr;
    ~Connection() {
        if (http) httpClose(http);
    }
};

std::unique_ptr<CupsPrinterTarget> CupsPrinterTarget::openDefault() {
    cups_dest_t* destination = cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (!destination) throw PrinterError(cupsError("no default printer"));
    const QByteArray name(destination->name);
    cupsFreeDests(1, destination);
    std::unique_ptr<CupsPrinterTarget> target(new CupsPrinterTarget(name));
    target->connect();
    return target;
}

CupsPrinterTarget::CupsPrinterTarget(QByteArray printerName)
    : printerName_(std::move(printerName)) {}

CupsPrinterTarget::~CupsPrinterTarget() = default;

void CupsPrinterTarget::connect() {
    connection_ = std::make_unique<Connection>();
    connection_->http = httpConnect2(cupsServer(), ippPort(), nullptr, AF_UNSPEC, cupsEncryption(),
                                     1, kConnectTimeoutMs, nullptr);
    if (!connection_->http) throw PrinterError(cupsError("cannot reach the print server"));
}

void CupsPrinterTarget::startJob(const QString& name) {
    if (!connection_) connect();
    const QByteArray title = name.toUtf8();
    jobId_ =
        cupsCreateJob(connection_->http, printerName_.constData(), title.constData(), 0, nullptr);
    if (jobId_ == 0) throw PrinterError(cupsError("cannot create the job"));
    if (cupsStartDocument(connection_->http, printerName_.constData(), jobId_, title.constData(),
                          CUPS_FORMAT_RAW, 1) != HTTP_STATUS_CONTINUE)
        throw PrinterError(cupsError("cannot start the document"));
}

void CupsPrinterTarget::write(const QByteArray& bytes) {
    if (cupsWriteRequestData(connection_->http, bytes.constData(), size_t(bytes.size())) !=
        HTTP_STATUS_CONTINUE)
        throw PrinterError(cupsError("cannot send the bytes"));
}

void CupsPrinterTarget::endJob() {
    const ipp_status_t status = cupsFinishDocument(connection_->http, printerName_.constData());
    // The successful statuses are those below 0x0100 (successful-ok and its variants).
    if (status >= IPP_STATUS_REDIRECTION_OTHER_SITE)
        throw PrinterError(cupsError("cannot end the job"));
    jobId_ = 0;
}

void CupsPrinterTarget::abandonJob() noexcept {
    // Dropping the connection cuts off a document still being sent; the job is then
    // cancelled over a fresh one so that it never prints half.
    connection_.reset();
    if (jobId_ != 0) cupsCancelJob2(CUPS_HTTP_DEFAULT, printerName_.constData(), jobId_, 0);
    jobId_ = 0;
}

}  // namespace vantir
