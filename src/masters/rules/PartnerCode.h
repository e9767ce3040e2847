#pragma once

#include <QString>
#include <optional>

namespace vantir {

// Partner codes (KCODE as customer, YCODE as carrier) are six digits with leading zeros.
// The partner master fills a shorter code typed as a whole number: "7" becomes "000007".
// A code of six characters or more is left as typed. A shorter text that is not a whole
// number (letters, a sign, an empty field) cannot be filled: nullopt.
std::optional<QString> zeroFilledPartnerCode(const QString& typed);

// What the user is told when a code cannot be filled: "'%s' は整数ではありません".
QString notAnIntegerMessage(const QString& typed);

}  // namespace vantir
