#pragma once

#include <QString>

namespace vantir {

// How rules talk to the user. The program shows message boxes; tests script the answers
// and record what was shown, so no test ever waits on a modal box.
class Messages {
public:
    virtual ~Messages() = default;
    // An OK box with the text.
    virtual void notice(const QString& text) = 0;
    // A Yes/No box with a short caption; true when the user answered Yes.
    virtual bool question(const QString& text, const QString& caption) = 0;
    // An error raised by the database layer, shown with its own message.
    virtual void error(const QString& text) = 0;
};

}  // namespace vantir
