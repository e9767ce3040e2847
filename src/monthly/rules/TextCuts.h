#pragma once

#include <QString>

#include "platform/report/ReportContext.h"

namespace vantir {

// The parts of a text the month-based reports print (COPY in their layouts).

// A stored date "yy/mm/dd" as the month-based reports print it, "mm/dd": COPY(DDAY,4,5).
ReportExpression monthAndDay(const QString& dateColumn);

// Text cut to its first maxBytes bytes of Shift_JIS, never in the middle of a double-byte
// character: COPY(HATTI,1,16).
ReportExpression leadingBytes(const QString& column, int maxBytes);

}  // namespace vantir
