#include "maintenance/rules/Compaction.h"

#include <QDir>

#include "platform/db/DatabaseCompactor.h"
#include "platform/db/DbError.h"

namespace vantir {

Compaction::Compaction(std::unique_ptr<DatabaseCompactor> compactor)
    : compactor_(std::move(compactor)) {}

Compaction::Compaction() : Compaction(DatabaseCompactor::create()) {}

Compaction::~Compaction() = default;

Result Compaction::choose(const QString& path) {
    chosen_.clear();
    try {
        compactor_->open(path);
        chosen_ = path;
        return Result::success();
    } catch (const DbError& error) {
        return Result::failure(error.message());
    }
}

Result Compaction::compact() {
    if (!compactor_->isOpen())
        return Result::failure(QStringLiteral("最適化するデータベースが選択されていません。"));
    try {
        compactor_->compact();
        return Result::success();
    } catch (const DbError& error) {
        return Result::failure(QDir::toNativeSeparators(chosen_) + QStringLiteral("\n") +
                               error.message());
    }
}

}  // namespace vantir
