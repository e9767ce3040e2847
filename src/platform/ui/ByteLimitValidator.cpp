#include "platform/ui/ByteLimitValidator.h"

#include "platform/text/Cp932.h"

namespace vantir {

QValidator::State ByteLimitValidator::validate(QString& input, int& pos) const {
    if (maxBytes_ <= 0 || cp932::byteLength(input) <= maxBytes_) return Acceptable;
    // What was typed ends at the cursor: take characters back from there until it fits.
    QString before = input.left(pos);
    const QString after = input.mid(pos);
    const int room = maxBytes_ - cp932::byteLength(after);
    if (room < 0) return Invalid;
    before = cp932::truncate(before, room);
    input = before + after;
    pos = int(before.size());
    return Acceptable;
}

}  // namespace vantir
