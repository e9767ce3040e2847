#pragma once

#include <QByteArray>
#include <QString>
#include <QtGlobal>

namespace vantir::test {

// Sends raw printer output to a file of the test's own for as long as it lives, then
// puts the run's own setting back.
class ScopedRawPrinter {
  public:
    explicit ScopedRawPrinter(const QString& path) : previous_(qgetenv(kName)) {
        qputenv(kName, QByteArray("file:") + path.toUtf8());
    }
    ~ScopedRawPrinter() { qputenv(kName, previous_); }
    ScopedRawPrinter(const ScopedRawPrinter&) = delete;
    ScopedRawPrinter& operator=(const ScopedRawPrinter&) = delete;

  private:
    static constexpr const char* kName = "VANTIR_RAW_PRINTER";
    QByteArray previous_;
};

}  // namespace vantir::test
