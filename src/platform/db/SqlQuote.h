#pragma once

#include <QString>

namespace vantir {

// The one way a value is written into SQL text: a quoted literal with every single
// quote doubled, so that a name such as O'Hara never breaks or changes a statement.
QString sqlQuote(const QString& value);

}  // namespace vantir
