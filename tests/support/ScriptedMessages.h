#pragma once

#include "platform/system/Messages.h"

#include <QStringList>
#include <deque>

namespace vantir::test {

// Messages for tests: records every box that would have been shown and answers
// questions from a script (Yes when the script is empty, unless told otherwise).
class ScriptedMessages : public Messages {
public:
    void notice(const QString& text) override { shown.append(QStringLiteral("notice:") + text); }
    bool question(const QString& text, const QString& caption) override {
        shown.append(QStringLiteral("question:") + caption + QStringLiteral(":") + text);
        if (answers.empty()) return defaultAnswer;
        const bool answer = answers.front();
        answers.pop_front();
        return answer;
    }
    void error(const QString& text) override { shown.append(QStringLiteral("error:") + text); }

    // What was shown, in order: "notice:TEXT", "question:CAPTION:TEXT", "error:TEXT".
    QStringList shown;
    std::deque<bool> answers;
    bool defaultAnswer = true;
};

}  // namespace vantir::test
