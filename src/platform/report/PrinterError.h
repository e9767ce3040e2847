#pragma once

#include <QString>
#include <stdexcept>

namespace vantir {

// A failure of raw printer output. The user sees only "プリンタ印字エラー"; the cause
// (which step failed and why) is kept for the log.
class PrinterError : public std::runtime_error {
  public:
    explicit PrinterError(const QString& cause)
        : std::runtime_error(userMessage().toStdString()), cause_(cause) {}
    static QString userMessage() { return QStringLiteral("プリンタ印字エラー"); }
    QString message() const { return userMessage(); }
    const QString& cause() const { return cause_; }

  private:
    QString cause_;
};

}  // namespace vantir
