#pragma once

#include <QString>
#include <optional>

namespace vantir {

// The partner master fills a shorter partner code typed as a whole number: "7" becomes
// "000007". A code of six characters or more is left as typed. A shorter text that is not
// a whole number (letters, a sign, an empty field) cannot be filled: nullopt, and the
// master tells the user with notAnIntegerMessage (common/rules/NotAnInteger.h).
std::optional<QString> zeroFilledPartnerCode(const QString& typed);

}  // namespace vantir
