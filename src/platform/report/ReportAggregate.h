#pragma once

#include <QString>

#include "platform/report/ReportContext.h"

namespace vantir {

enum class AggregateKind { Sum, Count };

// When a sum or count starts again from nothing: after the band that holds it has printed
// (a group footer's total per group, a page footer's total per page), or never (a total
// accumulated from the first row of the report).
enum class AggregateReset { AfterBand, Running };

// A sum or count held by a band. Every row of the report is added when its detail is
// laid out; NULL values add nothing to a sum; a count counts rows.
struct ReportAggregate {
    QString name;
    AggregateKind kind = AggregateKind::Sum;
    ReportExpression value;  // what a sum adds; unused by a count
    AggregateReset reset = AggregateReset::AfterBand;
};

}  // namespace vantir
