#include <gtest/gtest.h>

#include "cash/rules/CashPrintouts.h"
#include "common/printing/PrintError.h"
#include "common/printing/PrintRunner.h"
#include "common/printing/PrintoutRegistry.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/report/PageModelDump.h"
#include "support/DataModuleTest.h"
#include "support/FixedToday.h"
#include "support/QtPrinters.h"
#include "support/ReferenceText.h"
#include "support/Seed.h"

namespace vantir::test {
namespace {

SeedRow receipt(int code, const char* dday, const char* kcode, const char* kname, qint64 uking,
                const char* biko = nullptr) {
    return {{"CODE", QString::number(code)},
            {"HYMD", QString::fromLatin1(dday)},
            {"DDAY", QString::fromLatin1(dday)},
            {"KCODE", QString::fromLatin1(kcode)},
            {"KNAME", QString::fromUtf8(kname)},
            {"UKING", uking},
            {"BIKO", biko ? QVariant(QString::fromUtf8(biko)) : QVariant()}};
}

// A payment's amount is SKING; UKING holds a figure that must never be printed.
SeedRow payment(int code, const char* dday, const char* ycode, const char* yname, qint64 sking) {
    return {{"CODE", QString::number(code)},
            {"HYMD", QString::fromLatin1(dday)},
            {"DDAY", QString::fromLatin1(dday)},
            {"YCODE", QString::fromLatin1(ycode)},
            {"YNAME", QString::fromUtf8(yname)},
            {"SKING", sking},
            {"UKING", 777777}};
}

// Receipts of March 2024 from three customers and one of February; payments to two
// carriers.
class CashPrintoutsTest : public DataModuleTest {
  protected:
    void SetUp() override {
        seedRows(dm1.database(), "HITRAN2",
                 {receipt(1, "24/03/05", "000002", "北星物流", 250000, "振込"),
                  receipt(2, "24/03/02", "000001", "丸山運送", 1234567),
                  receipt(3, "24/02/29", "000001", "丸山運送", 999, "前月"),
                  receipt(4, "24/03/30", "000001", "丸山運送", -5000, "値引"),
                  receipt(5, "24/03/20", "000003", "南海商事", 80000, "手形")});
        seedRows(dm1.database(), "HITRAN3",
                 {payment(1, "24/03/10", "200001", "東和運輸", 30000),
                  payment(2, "24/03/31", "200002", "南海陸送", 12000),
                  payment(3, "24/03/15", "200001", "東和運輸", 5000)});
        registerCashPrintouts(registry);
    }

    static PrintSelection march() {
        PrintSelection selection;
        selection.since = QStringLiteral("24/03/01");
        selection.until = QStringLiteral("24/03/31");
        selection.month = QStringLiteral("24/03");
        selection.sime = QStringLiteral("20");
        selection.from = QStringLiteral("000001");
        selection.to = QStringLiteral("999999");
        return selection;
    }
    // The list query's rows as the print left them: column values joined by "|".
    QStringList printedRows(const QString& query, const QStringList& columns) {
        Dataset& rows = dm1.view(query);
        QStringList printed;
        for (rows.first(); !rows.eof(); rows.next()) {
            QStringList values;
            for (const QString& column : columns) values << rows.text(column);
            printed << values.join(u'|');
        }
        return printed;
    }

    PrintoutRegistry registry;
    PrintRunner runner{registry, {dm1, dm2}};
    FixedToday today{"2024-04-10"};
};

TEST_F(CashPrintoutsTest, EachListAndItsTwinMatchTheirReferences) {
    for (const char* name : {"QR_Nyukin", "QR_Nyukin2", "QR_Harai", "QR_Harai2"}) {
        SCOPED_TRACE(name);
        const PageModel model = runner.layOut(QString::fromLatin1(name), march());
        EXPECT_TRUE(matchesReference(dumpPageModel(model), __FILE__,
                                     QString::fromLatin1(name) + QStringLiteral(".txt")));
    }
}

// The sums run from the first line: after the second customer the footer shows the
// total of the first two, and the page footer the whole.
TEST_F(CashPrintoutsTest, GroupAndPageFootersShowTheRunningSum) {
    const QString dump = dumpPageModel(runner.layOut(QStringLiteral("QR_Nyukin"), march()));
    // The selection lists by DDAY here: 000001 (1,234,567), 000002 (250,000), ...
    for (const char* sum : {"\"1,484,567\"", "\"1,564,567\"", "\"1,559,567\""})
        EXPECT_TRUE(dump.contains(QString::fromLatin1(sum))) << sum;
    const QString payments = dumpPageModel(runner.layOut(QStringLiteral("QR_Harai"), march()));
    EXPECT_TRUE(payments.contains(QStringLiteral("\"47,000\"")));
    EXPECT_FALSE(payments.contains(QStringLiteral("777,777")));
}

TEST_F(CashPrintoutsTest, TheCodeRangeNarrowsThePrintedPartners) {
    struct Case {
        const char* from;
        const char* to;
        QStringList codes;  // CODE of the printed receipts of March, in order
    };
    for (const Case& c :
         {Case{"000001", "999999", {"2", "4", "1", "5"}}, Case{"000002", "000003", {"1", "5"}},
          Case{"000001", "000001", {"2", "4"}},
          // A quote in a code stays inside its literal: no rows, no error.
          Case{"0' OR '1'='1", "0' OR '1'='1", {}}}) {
        SCOPED_TRACE(c.from);
        PrintSelection selection = march();
        selection.from = QString::fromUtf8(c.from);
        selection.to = QString::fromUtf8(c.to);
        runner.layOut(QStringLiteral("QR_Nyukin"), selection);
        QStringList codes = printedRows("Q_HIT2R", {"KCODE", "CODE"});
        for (QString& row : codes) row = row.section(u'|', 1);
        // The list lists in the order the query gives; the groups follow the partners.
        codes.sort();
        QStringList expected = c.codes;
        expected.sort();
        EXPECT_EQ(codes, expected);
    }
}

TEST_F(CashPrintoutsTest, WithoutARangeEveryRowPrintsInTheQuerysInitialOrder) {
    PrintSelection selection;
    runner.layOut(QStringLiteral("QR_Nyukin"), selection);
    EXPECT_EQ(printedRows("Q_HIT2R", {"CODE"}), (QStringList{"4", "5", "1", "2", "3"}));
    runner.layOut(QStringLiteral("QR_Harai"), selection);
    EXPECT_EQ(printedRows("Q_HIT3R", {"CODE"}), (QStringList{"1", "2", "3"}));
}

TEST_F(CashPrintoutsTest, ThePartnerOfTheListScreenNarrowsToOneCustomer) {
    PrintSelection selection = march();
    selection.partner = QStringLiteral("000001");
    runner.layOut(QStringLiteral("QR_Nyukin"), selection);
    EXPECT_EQ(printedRows("Q_HIT2R", {"CODE"}), (QStringList{"2", "4"}));
}

TEST_F(CashPrintoutsTest, APartnerWithoutTheRangeOfTheListScreenIsRefused) {
    PrintSelection selection;
    selection.partner = QStringLiteral("000001");
    EXPECT_THROW(runner.layOut(QStringLiteral("QR_Nyukin"), selection), PrintError);
}

TEST_F(CashPrintoutsTest, TheLeftHeadingNamesTheClosingDayOnlyWhenOneIsGiven) {
    struct Case {
        const char* sime;
        const char* heading;
    };
    for (const Case& c : {Case{"", "24/03"}, Case{"00", "24/03"}, Case{"20", "24/03  20日締"},
                          Case{"99", "24/03  99日締"}}) {
        SCOPED_TRACE(c.sime);
        PrintSelection selection = march();
        selection.sime = QString::fromLatin1(c.sime);
        const QString dump = dumpPageModel(runner.layOut(QStringLiteral("QR_Harai"), selection));
        EXPECT_TRUE(dump.contains(QStringLiteral("left \"") + QString::fromUtf8(c.heading) +
                                  QStringLiteral("\"\n")))
            << dump.left(400).toStdString();
        EXPECT_TRUE(dump.contains(QStringLiteral("\"000001～999999\"")));
    }
}

}  // namespace
}  // namespace vantir::test
