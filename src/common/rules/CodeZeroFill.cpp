#include "common/rules/CodeZeroFill.h"

namespace vantir {

QString paddedPartnerCode(const QString& code) {
    return code.rightJustified(kPartnerCodeLength, QLatin1Char('0'));
}

QString zeroFilledCode(const QString& typed) {
    if (typed.size() < 2 || typed.size() >= kPartnerCodeLength) return typed;
    return paddedPartnerCode(typed);
}

}  // namespace vantir
