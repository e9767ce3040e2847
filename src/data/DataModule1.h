#pragma once

#include "data/DataModule.h"

namespace vantir {

class HookTargets;
struct AppState;

// The shared views of the main database (data source VANTIR, DataBase/VANTIR.mdb), which
// every entry, master, invoice, ledger, settings, purge and upgrade screen writes. Its
// HITRAN1 hooks serve the slip entry ("NippoInp") and the slip correction ("NippoEdit").
class DataModule1 : public DataModule {
  public:
    // state and targets must outlive the module.
    DataModule1(const QString& programDir, const AppState& state, HookTargets& targets);
};

}  // namespace vantir
