#pragma once

#include <QString>

#include "platform/report/ReportContext.h"

namespace vantir {

// The parts of a text the month-based reports print (COPY in their layouts).

// Text cut to its first maxBytes bytes of Shift_JIS, never in the middle of a double-byte
// character: COPY(HATTI,1,16).
ReportExpression leadingBytes(const QString& column, int maxBytes);

}  // namespace vantir
