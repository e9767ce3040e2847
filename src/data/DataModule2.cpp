#include "data/DataModule2.h"

#include "data/DatabaseFiles.h"
#include "data/RecordHooks.h"

namespace vantir {

DataModule2::DataModule2(const QString& programDir, const AppState& state, HookTargets& targets)
    : DataModule(QStringLiteral("VANTIRX"), DatabaseFiles::workingCopy(programDir),
                 /*mainModule=*/false),
      state_(state) {
    RecordHooks::connect(view(QStringLiteral("HIMAS3")), view(QStringLiteral("HITRAN1")),
                         RecordHooks::slipModes(), state, targets);
}

}  // namespace vantir
