#include "slips/rules/PreviousSlip.h"

#include "platform/dataset/Dataset.h"

namespace vantir {

const QStringList PreviousSlip::kColumns{QStringLiteral("KCODE"), QStringLiteral("HATTI"),
                                         QStringLiteral("THTTI"), QStringLiteral("TON"),
                                         QStringLiteral("YCODE"), QStringLiteral("TANCOD"),
                                         QStringLiteral("BIKO")};

bool PreviousSlip::remembers(const QString& column) {
    return kColumns.contains(column, Qt::CaseInsensitive);
}

void PreviousSlip::take(const Dataset& slip) {
    for (const QString& column : kColumns) values_.insert(column, slip.text(column));
}

}  // namespace vantir
