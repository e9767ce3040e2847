#pragma once

#include <QString>

#include "platform/report/ReportContext.h"

namespace vantir {

// A stored date "yy/mm/dd" as the lists, ledgers and schedules print it, "mm/dd"
// (COPY(DDAY,4,5) of their layouts).
ReportExpression monthAndDay(const QString& dateColumn);

}  // namespace vantir
