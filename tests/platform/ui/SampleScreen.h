#pragma once

#include "SampleRules.h"
#include "platform/ui/Screen.h"

namespace vantir {
class RecordBar;
}

namespace vantir::test {

struct SampleData;

// A screen made of every piece of the toolkit, as a later screen is: a record form of
// bound boxes with their input modes and hooks, two drop-downs storing codes (outside
// the Enter sequence, moving like their code's box), a grid, the record bar
// DBNavigator1 with four commands, and the keys (Enter order, "+" and "-", F1 F3 F9 F12,
// Enter never reaching a field).
class SampleScreen : public Screen {
  public:
    SampleScreen(SampleData& data, Messages& messages);

    RecordBar& bar() const { return *bar_; }

  private:
    SampleRules rules_;
    RecordBar* bar_;
};

}  // namespace vantir::test
