#pragma once

#include <QString>

namespace vantir {

// The one way a value is written into SQL text: a quoted literal with every single
// quote doubled, so that a name such as O'Hara never breaks or changes a statement.
QString sqlQuote(const QString& value);

// A table or column name as written into SQL text: a plain name (letters, digits, _) as
// it is, any other (a copied "HWRK1.SIME") in double quotes with each double quote doubled.
QString sqlIdentifier(const QString& name);

}  // namespace vantir
