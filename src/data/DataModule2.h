#pragma once

#include "data/DataModule.h"

namespace vantir {

class HookTargets;
struct AppState;

// The shared views of the working copy (data source VANTIRX, DataBase/VANTIRX.mdb), where
// the monthly aggregation, the month-based reports and the schedules compute. Beside the
// main module's views it has the list queries of the work tables and a second copy tool.
class DataModule2 : public DataModule {
  public:
    // state and targets must outlive the module.
    DataModule2(const QString& programDir, const AppState& state, HookTargets& targets);

    // Whole-table copy that appends rows and updates those whose key already exists.
    const BatchMove& batchMove2() const { return batchMove2_; }

    // The program's state, read by the record hooks and by whoever asks whether the data
    // switch has put an archive in place of the working copy.
    const AppState& state() const { return state_; }

  private:
    const AppState& state_;
    BatchMove batchMove2_{QStringLiteral("BatchMove2"), BatchMove::Mode::AppendUpdate};
};

}  // namespace vantir
