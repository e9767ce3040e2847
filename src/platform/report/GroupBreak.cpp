#include "platform/report/GroupBreak.h"

namespace vantir {

int firstBrokenGroup(const QVariantList& previousKeys, const QVariantList& keys) {
    for (int level = 0; level < keys.size(); ++level) {
        const QVariant& before = previousKeys.value(level);
        const QVariant& now = keys[level];
        if (before.isNull() != now.isNull()) return level;
        if (!now.isNull() && before != now) return level;
    }
    return -1;
}

}  // namespace vantir
