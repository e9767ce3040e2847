#pragma once

#include "platform/dataset/Leave.h"
#include "platform/dataset/Result.h"

namespace vantir {
class Dataset;
}

namespace vantir::test {

// The rules of the sample screen, kept apart from its widgets as every screen keeps
// them: a required code, a default on entering the quantity, a check before posting.
class SampleRules {
  public:
    explicit SampleRules(Dataset& sample) : sample_(sample) {}

    // An empty code keeps the cursor, without a message.
    Leave leaveCode() const;
    // A new record's quantity starts at 1.
    void enterQuantity();
    // A record needs a name.
    Result checkBeforePost() const;

    static const QString& nameRequired();

  private:
    Dataset& sample_;
};

}  // namespace vantir::test
