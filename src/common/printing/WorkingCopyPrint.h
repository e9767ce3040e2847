#pragma once

#include <QString>

#include "common/printing/Printout.h"

namespace vantir {

// The message of a print whose selection has no rows; the dialog shows it, the command
// line writes it on standard error and exits non-zero.
inline const QString kNoDataMessage = QStringLiteral("該当するデータがありません。");

// Refuses the print with kNoDataMessage.
[[noreturn]] void refuseEmptyPrint();

// Before a printout builds its work tables in the working copy: the copy is taken anew
// from the main database, so that the print sees every slip, receipt, payment and
// aggregate written since start; when the data switch has put an archive in its place
// the archive is printed as it is. A failed refresh throws PrintError with its message.
void refreshWorkingCopyForPrint(const PrintSources& sources);

}  // namespace vantir
