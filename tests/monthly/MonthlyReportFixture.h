#pragma once

#include <QStringList>

#include "common/printing/PrintRunner.h"
#include "common/printing/PrintoutRegistry.h"
#include "monthly/rules/MonthlyReportPrintouts.h"
#include "support/DataModuleTest.h"
#include "support/FixedToday.h"
#include "support/Seed.h"

namespace vantir::test {

// A small month of slips and a fiscal year of aggregates in the main database (the print
// refreshes the working copy from it), tax 10 %, and the month-based reports registered.
//
// Slips of 24/05 (closing day 99: 24/05/01 to 24/05/31), customer / carrier / staff:
//   1  24/05/02  1 丸山運送  / 2 東和運輸  / 01  UKING 12,345 UHIYO 1,000 SKING 10,000 SHIYO 500
//   2  24/05/10  1 丸山運送  / 10 南海陸送 / 01  UKING 0 UHIYO 2,000 SKING 3,000 INKING 5,000
//   3  24/05/15  10 北星物流 / 2 東和運輸  / 02  UKING 20,001 SKING 15,000 SHIYO 300 INSKING 700
//   4  24/05/31  2 西日本    / 1 丸山運送  / 03  UKING 9,999 SKING 8,000
//   5  24/05/20  3 東海商事  / 2 東和運輸  / 02  UKING 7,000 SKING 5,000  (outside "1".."2")
//   6  24/06/01  1 丸山運送  / 2 東和運輸  / 01  UKING 99,999          (outside the month)
//   7  24/05/25  11 大和工業 / 3 東海商事  / 01  UKING 0 UHIYO 500 SKING 200
// Customer aggregates HIMAS31 (fiscal year from 24/04/01: VKETU 03, VSIM 99):
//   1  24/03/31 UKING 77,777 (the year before) / 24/04/30 UKING 100,005 SKING 60,000 UHIYO
//      5,000 SHIYO 1,000 / 24/05/31 UKING 55,555 SKING 30,000 SHIYO 2,000 / 24/06/30 (after)
//   2  24/05/31 UKING 10,001
//   3  24/04/30 UKING -500 (a credit month, left out by UKING + UHIYO >= 0)
// Carrier aggregates HIMAS32: 2 東和運輸 24/04/30 SKING 25,000 SHIYO 100 UKING 30,000,
//   24/05/31 SKING 15,300 UKING 20,001.
class MonthlyReportFixture : public DataModuleTest {
  protected:
    void SetUp() override;

    static PrintSelection may(const char* from = "1", const char* to = "2");
    // The rows of the list query the print left open, the columns joined by "|".
    QStringList listed(const QString& query, const QStringList& columns);

    PrintoutRegistry registry;
    PrintRunner runner{registry, {dm1, dm2}};
    FixedToday today{"2024-06-10"};
};

}  // namespace vantir::test
