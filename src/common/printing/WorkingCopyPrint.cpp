#include "common/printing/WorkingCopyPrint.h"

#include "common/printing/PrintError.h"
#include "data/AppState.h"
#include "data/DataModule2.h"
#include "data/WorkingCopy.h"

namespace vantir {

void refuseEmptyPrint() { throw PrintError(kNoDataMessage); }

void refreshWorkingCopyForPrint(const PrintSources& sources) {
    if (sources.dm2.state().WorkingCopyIsArchive) return;
    if (Result refreshed = WorkingCopy::refresh(sources.dm1, sources.dm2); !refreshed)
        throw PrintError(refreshed.message);
}

}  // namespace vantir
