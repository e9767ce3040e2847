#pragma once

#include <QValidator>

namespace vantir {

// Stops typing at a column's width in Shift_JIS bytes: of what was just typed or pasted
// (the text before the cursor), only the part that fits stays; a double-byte character
// that would not fit whole is not taken. A kana reading field counts its text as it will
// be kept, in half-width katakana, so a reading typed in full-width kana is not cut short.
class ByteLimitValidator : public QValidator {
    Q_OBJECT

  public:
    ByteLimitValidator(int maxBytes, QObject* parent = nullptr)
        : QValidator(parent), maxBytes_(maxBytes) {}

    int maxBytes() const { return maxBytes_; }
    void setCountsAsHalfWidth(bool on) { countsAsHalfWidth_ = on; }
    // The bytes the text takes once kept.
    int bytesOf(const QString& text) const;

    State validate(QString& input, int& pos) const override;

  private:
    int maxBytes_;
    bool countsAsHalfWidth_ = false;
};

}  // namespace vantir
