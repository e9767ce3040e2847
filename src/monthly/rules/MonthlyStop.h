#pragma once

#include <QString>
#include <stdexcept>

namespace vantir {

// Ends a monthly aggregation run before anything reaches the main database, with the
// message for the user (a partner's closing day or site that is no number, a control
// setting the payment date cannot be worked out from).
class MonthlyStop : public std::runtime_error {
  public:
    explicit MonthlyStop(QString message)
        : std::runtime_error(message.toStdString()), message_(std::move(message)) {}
    const QString& message() const { return message_; }

  private:
    QString message_;
};

}  // namespace vantir
