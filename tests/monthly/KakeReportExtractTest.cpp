#include <gtest/gtest.h>

#include "common/printing/PrintError.h"
#include "monthly/rules/KakeReport.h"
#include "monthly/rules/KakeReportExtract.h"
#include "monthly/rules/MonthlyReportRun.h"
#include "monthly/rules/MonthlyWorkTables.h"
#include "platform/dataset/Dataset.h"
#include "support/DataModuleTest.h"
#include "support/Seed.h"

namespace vantir::test {
namespace {

SeedRow slip(int code, const char* dday, const char* kcode, const char* ycode) {
    return {{"CODE", QString::number(code)},
            {"HYMD", QString::fromLatin1(dday)},
            {"DDAY", QString::fromLatin1(dday)},
            {"KCODE", QString::fromLatin1(kcode)},
            {"YCODE", QString::fromLatin1(ycode)},
            {"UKING", 1000},
            {"YKING", 800},
            {"SHBAN", QString::number(code)}};
}

// A partner whose carrier code is its customer code with a "Y" in front: a carrier
// found by its customer code would be a fault.
SeedRow partner(const char* kcode, const char* sime, const QVariant& simeflg) {
    const QString code = QString::fromLatin1(kcode);
    return {{"KCODE", code},
            {"YCODE", QString(QStringLiteral("Y") + code.mid(1))},
            {"SIME", QString::fromLatin1(sime)},
            {"SIMEFLG", simeflg},
            {"TENMEI", QStringLiteral("本社")}};
}

// Slips of May 2024 for four partners with different closing days and site flags.
class KakeReportExtractTest : public DataModuleTest {
  protected:
    void SetUp() override {
        Connection& work = dm2.database().connection();
        seedRows(work, "HIMAS3",
                 {partner("000001", "20", "0"), partner("000002", "20", "1"),
                  partner("000003", "99", "2"), partner("000004", "20", QVariant())});
        QList<SeedRow> slips;
        int code = 0;
        for (const char* p : {"000001", "000002", "000003", "000004"}) {
            const QString y = QStringLiteral("Y") + QString::fromLatin1(p).mid(1);
            slips << slip(++code, "24/05/10", p, y.toLatin1().constData());
        }
        slips << slip(++code, "24/04/30", "000001", "Y00001");  // before the period
        seedRows(work, "HITRAN1", slips);
    }

    QStringList listed(const KakeSide& side, const char* closingDay, const char* flag,
                       QString from = "0", QString to = "ZZZZZZ") {
        MonthlyReportRun run;
        run.values.closingDay = QString::fromLatin1(closingDay);
        run.values.start = QStringLiteral("24/05/01");
        run.values.end = QStringLiteral("24/05/31");
        run.values.taxRate = 8;
        run.from = from;
        run.to = to;
        run.choice = QString::fromLatin1(flag);
        MonthlyWorkTables tables(dm2);
        Dataset& list = extractKakeReport(tables, side, run);
        QStringList rows;
        for (list.first(); !list.eof(); list.next())
            rows << list.text(side.code) + u'|' + list.text("SHOZEI");
        return rows;
    }
};

TEST_F(KakeReportExtractTest, TheReceivablesTakeTheCustomersOfTheClosingDay) {
    EXPECT_EQ(listed(KakeSide::receivables(), "20", ""),
              (QStringList{"000001|8", "000002|8", "000004|8"}));
    EXPECT_EQ(listed(KakeSide::receivables(), "99", ""), (QStringList{"000003|8"}));
}

TEST_F(KakeReportExtractTest, TheClosingFlagChoosesTheCarriers) {
    struct Case {
        const char* closingDay;
        const char* flag;
        QStringList carriers;
    };
    for (const Case& c : {
             // The company's closing day: every carrier not settled on its own, whatever
             // closing day was typed; an empty flag is no "2".
             Case{"20", "1", {"Y00001|8", "Y00002|8", "Y00004|8"}},
             Case{"05", "1", {"Y00001|8", "Y00002|8", "Y00004|8"}},
             // The carriers' own closing day: those closing on it, not settled by the
             // company's.
             Case{"20", "2", {"Y00001|8", "Y00004|8"}},
             Case{"99", "2", {"Y00003|8"}},
         }) {
        SCOPED_TRACE(std::string(c.closingDay) + " " + c.flag);
        EXPECT_EQ(listed(KakeSide::payables(), c.closingDay, c.flag), c.carriers);
    }
}

TEST_F(KakeReportExtractTest, TheCodeRangeNarrowsTheListAsTextAndABadFlagIsRefused) {
    EXPECT_EQ(listed(KakeSide::payables(), "20", "1", "Y00002", "Y00004"),
              (QStringList{"Y00002|8", "Y00004|8"}));
    // Nothing to list, and a quote that stays inside its literal, refuse the print.
    EXPECT_THROW(listed(KakeSide::receivables(), "20", "", "1", "2"), PrintError);
    EXPECT_THROW(listed(KakeSide::receivables(), "20' OR '1'='1", ""), PrintError);
    EXPECT_THROW(listed(KakeSide::payables(), "20", "3"), PrintError);
}

}  // namespace
}  // namespace vantir::test
