#pragma once

#include "platform/dataset/Result.h"

namespace vantir {

class Dataset;

// The control record S_CONTROL as the control screen edits it: the current row of the
// table ordered by CODE. The other subsystems read the row whose CODE is "1".
class ControlRecord {
  public:
    // Entering the code field: a new or blank record (CODE NULL or empty) gets the code "1",
    // on an empty table as a new row; an existing code is left alone. Nothing is saved
    // until the user registers.
    static Result enterCode(Dataset& sControl);
};

}  // namespace vantir
