#include "monthly/rules/KakeReportExtract.h"

#include "data/DataModule2.h"
#include "monthly/rules/WorkTableCopy.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/db/SqlQuote.h"

namespace vantir {

namespace {

QStringList receivableSlips(const KakeReportExtract::Values& values) {
    return {QStringLiteral("SELECT HITRAN1.*, HIMAS3.SIME"),
            QStringLiteral("FROM HITRAN1 INNER JOIN HIMAS3"),
            QStringLiteral("ON HITRAN1.KCODE = HIMAS3.KCODE"),
            QStringLiteral("WHERE (DDAY >= ") + sqlQuote(values.start),
            QStringLiteral("AND DDAY <= ") + sqlQuote(values.end) + u')',
            QStringLiteral("AND HIMAS3.SIME = ") + sqlQuote(values.closingDay)};
}

QStringList payableSlips(const KakeReportExtract::Values& values) {
    QStringList lines{QStringLiteral("SELECT HITRAN1.*, HIMAS3.TENMEI,"),
                      QStringLiteral("HIMAS3.SIME, HIMAS3.SAIT, HIMAS3.SIMEFLG"),
                      QStringLiteral("FROM HITRAN1 INNER JOIN HIMAS3"),
                      QStringLiteral("ON HITRAN1.YCODE = HIMAS3.YCODE"),
                      QStringLiteral("WHERE (DDAY >= %1 AND DDAY <= %2)")
                          .arg(sqlQuote(values.start), sqlQuote(values.end))};
    // An empty site flag is no flag: such a carrier goes by its own closing day, as in
    // the monthly aggregation.
    if (values.closingFlag == u"2") {
        lines << QStringLiteral("AND HIMAS3.SIME = ") + sqlQuote(values.closingDay)
              << QStringLiteral("AND (HIMAS3.SIMEFLG IS NULL OR HIMAS3.SIMEFLG <> '1')");
    } else {
        lines << QStringLiteral("AND (HIMAS3.SIMEFLG IS NULL OR HIMAS3.SIMEFLG <> '2')");
    }
    return lines;
}

}  // namespace

QueryDataset& KakeReportExtract::run(DataModule2& workingCopy, const KakeSide& side,
                                     const Values& values) {
    QueryDataset& list = workingCopy.query(side.listQuery);
    list.close();
    WorkTableCopy::copy(workingCopy, side.workTable,
                        side.closingFlag ? payableSlips(values) : receivableSlips(values));
    WorkTableCopy::setTaxRate(workingCopy, side.workTable, values.taxRate);
    list.setSql({QStringLiteral("SELECT * FROM ") + side.workTable,
                 QStringLiteral("WHERE %1 >= %2").arg(side.code, sqlQuote(values.from)),
                 QStringLiteral("AND %1 <= %2").arg(side.code, sqlQuote(values.to)),
                 QStringLiteral("ORDER BY %1,DDAY,SHBAN").arg(side.code)});
    list.open();
    return list;
}

}  // namespace vantir
