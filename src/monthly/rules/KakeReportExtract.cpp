#include "monthly/rules/KakeReportExtract.h"

#include "common/printing/PrintError.h"
#include "monthly/rules/MonthlyReportRun.h"
#include "monthly/rules/MonthlyWorkTables.h"
#include "platform/db/SqlQuote.h"

namespace vantir {

namespace {

QStringList receivableSlips(const MonthlyReportRun& run) {
    QStringList sql{QStringLiteral("SELECT HITRAN1.*, HIMAS3.SIME"),
                    QStringLiteral("FROM HITRAN1 INNER JOIN HIMAS3"),
                    QStringLiteral("ON HITRAN1.KCODE = HIMAS3.KCODE")};
    sql << MonthlyReportRun::periodLines(QStringLiteral("DDAY"), run.values.start, run.values.end)
        << QStringLiteral("AND HIMAS3.SIME = ") + sqlQuote(run.values.closingDay);
    return sql;
}

QStringList payableSlips(const MonthlyReportRun& run) {
    if (run.choice != u"1" && run.choice != u"2")
        throw PrintError(QStringLiteral("締ﾌﾗｸﾞは 1 か 2 を入力して下さい。"));
    QStringList sql{QStringLiteral("SELECT HITRAN1.*, HIMAS3.TENMEI,"),
                    QStringLiteral("HIMAS3.SIME, HIMAS3.SAIT, HIMAS3.SIMEFLG"),
                    QStringLiteral("FROM HITRAN1 INNER JOIN HIMAS3"),
                    QStringLiteral("ON HITRAN1.YCODE = HIMAS3.YCODE")};
    sql << MonthlyReportRun::periodLines(QStringLiteral("DDAY"), run.values.start, run.values.end);
    // An empty site flag is neither "1" nor "2": such a carrier goes by its own closing
    // day, as in the monthly aggregation.
    if (run.choice == u"2") {
        sql << QStringLiteral("AND HIMAS3.SIME = ") + sqlQuote(run.values.closingDay)
            << QStringLiteral("AND (HIMAS3.SIMEFLG IS NULL OR HIMAS3.SIMEFLG <> '1')");
    } else {
        sql << QStringLiteral("AND (HIMAS3.SIMEFLG IS NULL OR HIMAS3.SIMEFLG <> '2')");
    }
    return sql;
}

}  // namespace

Dataset& extractKakeReport(MonthlyWorkTables& tables, const KakeSide& side,
                           const MonthlyReportRun& run) {
    tables.copy(side.workTable, side.closingFlag ? payableSlips(run) : receivableSlips(run),
                run.values.taxRate);
    return tables.openList(side.listQuery,
                           {QStringLiteral("SELECT * FROM ") + side.workTable,
                            QStringLiteral("WHERE %1 >= %2").arg(side.code, sqlQuote(run.from)),
                            QStringLiteral("AND %1 <= %2").arg(side.code, sqlQuote(run.to)),
                            QStringLiteral("ORDER BY %1,DDAY,SHBAN").arg(side.code)});
}

}  // namespace vantir
