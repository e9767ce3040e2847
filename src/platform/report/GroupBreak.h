#pragma once

#include <QVariantList>

namespace vantir {

// Which groups a new row breaks: the position of the outermost group whose key differs
// from the previous row's (every group inside it breaks with it), or -1 when the row
// continues all groups. Keys are compared as values; NULL equals NULL.
int firstBrokenGroup(const QVariantList& previousKeys, const QVariantList& keys);

}  // namespace vantir
