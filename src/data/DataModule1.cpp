#include "data/DataModule1.h"

#include "data/DatabaseFiles.h"
#include "data/RecordHooks.h"

namespace vantir {

DataModule1::DataModule1(const QString& programDir, const AppState& state, HookTargets& targets)
    : DataModule(QStringLiteral("VANTIR"), DatabaseFiles::mainDatabase(programDir),
                 /*mainModule=*/true) {
    RecordHooks::connect(view(QStringLiteral("HIMAS3")), view(QStringLiteral("HITRAN1")),
                         RecordHooks::mainSlipModes(), state, targets);
}

}  // namespace vantir
