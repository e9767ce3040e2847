#include "platform/dataset/RowBlockCache.h"

namespace vantir {

QVariantList RowBlockCache::row(int position, int rowCount, const Reader& read) {
    const int blockIndex = position / kBlockRows;
    auto found = blocks_.find(blockIndex);
    if (found == blocks_.end()) {
        if (blocks_.size() >= kBlocksKept) {
            auto oldest = blocks_.begin();
            for (auto it = blocks_.begin(); it != blocks_.end(); ++it) {
                if (it->lastUse < oldest->lastUse) oldest = it;
            }
            blocks_.erase(oldest);
        }
        const int first = blockIndex * kBlockRows;
        Block block;
        block.rows = read(first, qMin(kBlockRows, rowCount - first));
        found = blocks_.insert(blockIndex, block);
    }
    found->lastUse = ++uses_;
    return found->rows.value(position - blockIndex * kBlockRows);
}

}  // namespace vantir
