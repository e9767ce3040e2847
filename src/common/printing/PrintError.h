#pragma once

#include <QString>
#include <stdexcept>

namespace vantir {

// A print that cannot go ahead: a printout nobody registered, an option it does not take
// or a value it cannot use, an output file that cannot be written. The message says what
// is wrong in words the person printing understands.
class PrintError : public std::runtime_error {
  public:
    explicit PrintError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

  private:
    QString message_;
};

}  // namespace vantir
