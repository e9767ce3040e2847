#pragma once

#include <QStringList>

namespace vantir {

// The 29 columns of a slip in the order the ledgers list them.
class SlipLayout {
  public:
    static const QStringList& columns();
};

}  // namespace vantir
