#include "platform/ui/ByteLimitValidator.h"

#include "platform/text/Cp932.h"
#include "platform/text/HalfWidthKatakana.h"

namespace vantir {

int ByteLimitValidator::bytesOf(const QString& text) const {
    return cp932::byteLength(countsAsHalfWidth_ ? toHalfWidthKatakana(text) : text);
}

QValidator::State ByteLimitValidator::validate(QString& input, int& pos) const {
    if (maxBytes_ <= 0 || bytesOf(input) <= maxBytes_) return Acceptable;
    // What was typed ends at the cursor: take characters back from there until it fits.
    QString before = input.left(pos);
    const QString after = input.mid(pos);
    if (bytesOf(after) > maxBytes_) return Invalid;
    while (!before.isEmpty() && bytesOf(before + after) > maxBytes_) {
        const bool pair = before.size() > 1 && before.back().isLowSurrogate() &&
                          before.at(before.size() - 2).isHighSurrogate();
        before.chop(pair ? 2 : 1);
    }
    input = before + after;
    pos = int(before.size());
    return Acceptable;
}

}  // namespace vantir
