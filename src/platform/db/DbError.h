#pragma once

#include <QString>
#include <stdexcept>

namespace vantir {

// An error raised by the database layer. Its message is the engine's own text and is
// shown to the user as is; the operation that raised it ends, and what completed
// statements wrote stays.
class DbError : public std::runtime_error {
public:
    explicit DbError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    const QString& message() const { return message_; }

private:
    QString message_;
};

}  // namespace vantir
