#include "platform/report/ReportContext.h"

#include "platform/report/AggregateState.h"

namespace vantir {

QVariant ReportContext::aggregate(const QString& name) const { return aggregates_.value(name); }

}  // namespace vantir
