#pragma once

#include <QString>

namespace vantir {

// Partner codes (KCODE as customer, YCODE as carrier) are six characters with leading zeros.
inline constexpr int kPartnerCodeLength = 6;

// A shorter partner code with "0" put in front to six characters ("12" -> "000012").
QString paddedPartnerCode(const QString& code);

// The fill of the slip, receipt, payment, invoice, list and consolidation screens on
// leaving a partner code: two to five characters are padded to six; one character, six or
// more stay as typed. Nothing is refused, letters included: the name lookup that follows
// simply finds no partner. (The partner master fills its own codes more strictly.)
QString zeroFilledCode(const QString& typed);

}  // namespace vantir
