#pragma once

#include <QValidator>

namespace vantir {

// Stops typing at a column's width in Shift_JIS bytes: of what was just typed or pasted
// (the text before the cursor), only the part that fits stays; a double-byte character
// that would not fit whole is not taken.
class ByteLimitValidator : public QValidator {
    Q_OBJECT

public:
    ByteLimitValidator(int maxBytes, QObject* parent = nullptr)
        : QValidator(parent), maxBytes_(maxBytes) {}

    int maxBytes() const { return maxBytes_; }
    State validate(QString& input, int& pos) const override;

private:
    int maxBytes_;
};

}  // namespace vantir
