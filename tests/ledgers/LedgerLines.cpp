#include "LedgerLines.h"

#include "platform/db/Connection.h"
#include "platform/db/Database.h"
#include "support/Seed.h"

namespace vantir::test {

namespace {

// A line of partner "000001" or "000003", whose carrier codes are "000011" and "000013".
SeedRow line(int partner, const char* day, qint64 uking, qint64 uhiyo, qint64 yking,
             qint64 sking, qint64 shiyo) {
    return {{"KCODE", QStringLiteral("%1").arg(partner, 6, 10, QLatin1Char('0'))},
            {"YCODE", QStringLiteral("%1").arg(partner + 10, 6, 10, QLatin1Char('0'))},
            {"DDAY", day},
            {"HATTI", "東京"},
            {"KNAME", "得意先名"},
            {"YNAME", "傭車先名"},
            {"UKING", uking},
            {"UHIYO", uhiyo},
            {"YKING", yking},
            {"SKING", sking},
            {"SHIYO", shiyo}};
}

}  // namespace

void seedLedgerLines(Database& mainDatabase) {
    seedRows(mainDatabase, "HIMAS3",
             {{{"KCODE", "000001"}, {"YCODE", "000011"}, {"KNAME", "甲運輸"}},
              {{"KCODE", "000002"}, {"YCODE", "000012"}, {"KNAME", "乙商事"}},
              {{"KCODE", "000003"}, {"YCODE", "000013"}, {"KNAME", "丙物流"}}});
    for (const char* table : {"HITRANM", "HITRANS", "HITRAN2", "HITRAN3"}) {
        seedRows(mainDatabase, table,
                 {line(1, "24/02/20", 90000, 900, 9000, 90, 9),
                  line(1, "24/02/21", 1000, 10, 700, 100, 1),
                  line(1, "24/03/20", 2000, 20, 800, 200, 2),
                  line(1, "24/03/21", 80000, 800, 8000, 80, 8),
                  line(3, "24/03/01", 5000, 50, 4000, 500, 5)});
    }
    mainDatabase.connection().execute(
        QStringLiteral("UPDATE S_CONTROL SET VSIM = '20' WHERE CODE = '1'"));
}

}  // namespace vantir::test
