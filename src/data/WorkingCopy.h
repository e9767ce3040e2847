#pragma once

#include <QString>

#include "platform/dataset/Result.h"

namespace vantir {

class Connection;
class DataModule1;
class DataModule2;

// The working copy VANTIRX: a consistent snapshot of the main database in which the
// monthly aggregation, the month-based reports and the schedules compute. It is taken at
// every start and, so that slips entered since are counted, again by those runs.
class WorkingCopy {
  public:
    // Replaces the file at workingCopy with a snapshot of the database mainDatabase is
    // connected to, taken while that connection may be writing. The old file is replaced
    // only by a complete copy, so a failure leaves it as it was; the result then holds
    // the engine's message.
    static Result snapshot(Connection& mainDatabase, const QString& workingCopy);

    // The same while the program runs: closes every view of DataModule2 (a pending edit
    // is dropped), takes the snapshot of DataModule1's database into DataModule2's file
    // and connects DataModule2 to the new copy. On failure DataModule2 is connected again
    // to the working copy it had, which stays usable, and the result names the file and
    // the engine's message.
    static Result refresh(DataModule1& dm1, DataModule2& dm2);
};

}  // namespace vantir
