#pragma once

#include <QString>
#include <memory>

#include "platform/dataset/Result.h"

namespace vantir {

class DatabaseCompactor;

// The compaction screen's work: a database file is chosen ("DB 選択") and held open until
// it is compacted ("最適化") or another is chosen. Failures come back with the engine's
// message; a file that is no database is left untouched.
class Compaction {
  public:
    explicit Compaction(std::unique_ptr<DatabaseCompactor> compactor);
    Compaction();
    ~Compaction();

    Result choose(const QString& path);
    Result compact();
    const QString& chosenFile() const { return chosen_; }

  private:
    std::unique_ptr<DatabaseCompactor> compactor_;
    QString chosen_;
};

}  // namespace vantir
