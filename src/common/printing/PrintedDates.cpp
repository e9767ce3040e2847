#include "common/printing/PrintedDates.h"

namespace vantir {

ReportExpression monthAndDay(const QString& dateColumn) {
    return
        [dateColumn](const ReportContext& row) { return QVariant(row.text(dateColumn).mid(3, 5)); };
}

}  // namespace vantir
