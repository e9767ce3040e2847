#pragma once

#include "platform/db/Connection.h"
#include "platform/db/DatabaseCompactor.h"

namespace vantir {

// The engine's compaction: the file is rebuilt page by page into a temporary database and
// written back under the engine's own lock, so it never is half compacted.
class EngineCompactor : public DatabaseCompactor {
  public:
    void open(const QString& path) override;
    bool isOpen() const override { return connection_.isOpen(); }
    void compact() override;

  private:
    Connection connection_;
};

}  // namespace vantir
