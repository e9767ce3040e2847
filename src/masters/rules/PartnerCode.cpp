#include "masters/rules/PartnerCode.h"

#include "common/rules/CodeZeroFill.h"

namespace vantir {

std::optional<QString> zeroFilledPartnerCode(const QString& typed) {
    if (typed.size() >= kPartnerCodeLength) return typed;
    // Surrounding spaces are forgiven; a sign is not: "-5" would otherwise come out as a
    // five-digit code of nines.
    const QString digits = typed.trimmed();
    if (digits.isEmpty()) return std::nullopt;
    for (const QChar c : digits) {
        if (c < QLatin1Char('0') || c > QLatin1Char('9')) return std::nullopt;
    }
    return paddedPartnerCode(digits);
}

}  // namespace vantir
