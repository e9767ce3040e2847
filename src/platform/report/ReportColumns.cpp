#include "platform/report/ReportColumns.h"

namespace vantir {

ReportColumns::ReportColumns(const QStringList& names) : names_(names) {
    for (int i = 0; i < names_.size(); ++i) index_.insert(names_[i].toUpper(), i);
}

int ReportColumns::indexOf(const QString& name) const { return index_.value(name.toUpper(), -1); }

}  // namespace vantir
