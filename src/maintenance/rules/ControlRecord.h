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
    // Before the record is posted: a record that never had its code field entered (a new
    // row started in another field) gets the code "1" too, so that a control record is
    // never stored where no reader of row "1" finds it.
    static Result beforePost(Dataset& sControl);
};

}  // namespace vantir
