#pragma once

#include "support/DataModuleTest.h"
#include "support/FixedToday.h"
#include "support/Seed.h"

namespace vantir::test {

// A month of aggregates in the main database, printed on 24/03/15 at a tax rate of 5 %:
//   000001 丸山運送   customer and carrier, ordinary account; its January sales are
//                     expected in February, its February sales (1,001 yen) in March
//   000002 北星物流   customer and carrier, current account; one payment expected in
//                     February from January, one in March from February
//   000003 南海商事   customer, sales of December expected in January
//   000004 西日本物産 neither side
//   000005 東和運輸   a receivable of 7,350 and a payable of -7,350
// The prints take the working copy anew from the main database first.
class ScheduleFixture : public DataModuleTest {
  protected:
    void SetUp() override { seedMonth(dm1.database()); }

    static void seedMonth(Database& database) {
        const auto partner = [](const char* code, const char* name, const char* ycode,
                                const char* ykbun) -> SeedRow {
            return {{"KCODE", code},
                    {"KNAME", QString::fromUtf8(name)},
                    {"YCODE", ycode},
                    {"KTEL", "03-1234-5678"},
                    {"BANK", QStringLiteral("東和銀行")},
                    {"SITEN", QStringLiteral("本店")},
                    {"YKBUN", ykbun},
                    {"KOZA", "1234567"},
                    {"KADD1", QStringLiteral("東京都港区芝1-1")}};
        };
        seedRows(database, "HIMAS3",
                 {partner("000002", "北星物流", "100002", "2"),
                  partner("000001", "丸山運送", "100001", "1"),
                  partner("000003", "南海商事", "100003", "1"),
                  partner("000004", "西日本物産", "100004", "1"),
                  partner("000005", "東和運輸", "100005", "1")});
        const QVariantMap names = {{"000001", QStringLiteral("丸山運送")},
                                   {"000002", QStringLiteral("北星物流")},
                                   {"000003", QStringLiteral("南海商事")},
                                   {"000005", QStringLiteral("東和運輸")}};
        const auto aggregate = [&names](const char* code, const char* hymd, const char* shymd,
                                        QVariant uking, QVariant uhiyo,
                                        QVariant inking) -> SeedRow {
            return {{"KCODE", code},
                    {"YCODE", QString(u'1' + QString::fromLatin1(code).mid(1))},
                    {"KNAME", names.value(QString::fromLatin1(code))},
                    {"SIME", "99"},
                    {"HYMD", hymd},
                    {"SYMD", hymd},
                    {"SHYMD", shymd},
                    {"UKING", uking},
                    {"SKING", uking},
                    {"UHIYO", uhiyo},
                    {"SHIYO", uhiyo},
                    {"INKING", inking},
                    {"INSKING", inking}};
        };
        seedRows(database, "HIMAS31",
                 {aggregate("000001", "24/01/31", "24/02/29", 100000, 5000, 2000),
                  aggregate("000001", "24/02/29", "24/03/31", 1001, 0, 0),
                  aggregate("000002", "24/02/29", "24/03/20", 200000, QVariant(), 0),
                  aggregate("000003", "23/12/31", "24/01/31", 50000, 0, 0),
                  aggregate("000005", "24/02/29", "24/03/31", 7000, 0, 0)});
        seedRows(database, "HIMAS32",
                 {aggregate("000001", "24/02/29", "24/02/29", 30000, 1000, 500),
                  aggregate("000002", "24/01/31", "24/02/10", 40000, 0, 0),
                  aggregate("000002", "24/02/29", "24/03/10", 25000, 0, 0),
                  aggregate("000005", "24/02/29", "24/03/31", -7350, 0, 0)});
        database.connection().execute(QStringLiteral("UPDATE SHOZEI SET ZEIGAKU = 5"));
    }

    FixedToday today{"2024-03-15"};
};

}  // namespace vantir::test
