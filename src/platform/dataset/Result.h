#pragma once

#include <QString>

namespace vantir {

// The outcome of an edit or a rule that may be refused: the message for the user and the
// column at fault, so the screen can show it and put the cursor there. A refused edit
// keeps the record buffer as it was typed. A refusal is shown as an error unless it is a
// notice (an OK box with the message, as the screens' own checks tell the user); a
// refusal without a message is shown as nothing.
struct Result {
    bool ok = true;
    QString message;
    QString field;
    bool isNotice = false;

    static Result success() { return {}; }
    static Result failure(QString message, QString field = {}) {
        return {false, std::move(message), std::move(field)};
    }
    static Result notice(QString message, QString field = {}) {
        return {false, std::move(message), std::move(field), true};
    }
    explicit operator bool() const { return ok; }
};

}  // namespace vantir
