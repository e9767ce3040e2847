#include "monthly/rules/TextCuts.h"

#include "platform/text/Cp932.h"

namespace vantir {

ReportExpression leadingBytes(const QString& column, int maxBytes) {
    return [column, maxBytes](const ReportContext& row) {
        return QVariant(cp932::truncate(row.text(column), maxBytes));
    };
}

}  // namespace vantir
