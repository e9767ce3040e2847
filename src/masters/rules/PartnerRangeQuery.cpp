#include "masters/rules/PartnerRangeQuery.h"

#include "platform/db/SqlQuote.h"

namespace vantir {

QStringList PartnerRangeQuery::lines(const QString& from, const QString& to) {
    return {QStringLiteral("SELECT * FROM HIMAS3"),
            QStringLiteral("WHERE KCODE >= ") + sqlQuote(from),
            QStringLiteral("AND KCODE <= ") + sqlQuote(to), QStringLiteral("ORDER BY KCODE")};
}

QStringList PartnerRangeQuery::allInCodeOrder() {
    return {QStringLiteral("SELECT * FROM HIMAS3 ORDER BY KCODE")};
}

}  // namespace vantir
