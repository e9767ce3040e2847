#pragma once

#include <QHash>
#include <QList>
#include <QVariantList>
#include <functional>

namespace vantir {

// The values of a few recently shown rows of a table, read in blocks of consecutive
// positions so that a grid page or a walk through the rows costs one read per block.
class RowBlockCache {
  public:
    static constexpr int kBlockRows = 32;
    static constexpr int kBlocksKept = 16;

    // Reads rows first .. first+count-1 in order.
    using Reader = std::function<QList<QVariantList>(int first, int count)>;

    // The row at position (0 <= position < rowCount), reading its block when not held.
    QVariantList row(int position, int rowCount, const Reader& read);
    void clear() { blocks_.clear(); }

  private:
    struct Block {
        QList<QVariantList> rows;
        quint64 lastUse = 0;
    };
    QHash<int, Block> blocks_;
    quint64 uses_ = 0;
};

}  // namespace vantir
