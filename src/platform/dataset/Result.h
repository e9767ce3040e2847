#pragma once

#include <QString>

namespace vantir {

// The outcome of an edit that may be refused: the message for the user and the column
// at fault, so the screen can show it and put the cursor there. A refused edit keeps
// the record buffer as it was typed.
struct Result {
    bool ok = true;
    QString message;
    QString field;

    static Result success() { return {}; }
    static Result failure(QString message, QString field = {}) {
        return {false, std::move(message), std::move(field)};
    }
    explicit operator bool() const { return ok; }
};

}  // namespace vantir
