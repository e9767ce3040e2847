#pragma once

#include <QString>
#include <stdexcept>

namespace vantir {

// A report that cannot be laid out or written: an unknown column or aggregate, a mask
// the engine does not know, a PDF file that cannot be written. The message names what
// is wrong so that the person building the report sees it at once.
class ReportError : public std::runtime_error {
  public:
    explicit ReportError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

  private:
    QString message_;
};

}  // namespace vantir
