#include <gtest/gtest.h>

#include "common/printing/PrintRunner.h"
#include "common/printing/PrintoutRegistry.h"
#include "common/printing/ReportLayoutSwitches.h"
#include "masters/rules/AddressLabels.h"
#include "masters/rules/MasterPrintouts.h"
#include "platform/dataset/Dataset.h"
#include "platform/report/PageModelDump.h"
#include "support/DataModuleTest.h"
#include "support/FixedToday.h"
#include "support/ReferenceText.h"
#include "support/Seed.h"

namespace vantir::test {
namespace {

SeedRow partner(const QString& code, const QString& name) {
    return {{"KCODE", code},
            {"YCODE", code},
            {"KNAME", name},
            {"KZIP", QStringLiteral("662-0001")},
            {"KADD1", QStringLiteral("兵庫県西宮市甲山町1-2")},
            {"KADD2", QStringLiteral("西宮ビル3階")},
            {"KTEL", QStringLiteral("0798-12-3456")},
            {"KFAX", QStringLiteral("0798-12-3457")},
            {"SIME", QStringLiteral("20")},
            {"SAIT", QStringLiteral("30")}};
}

// Partners on both sides of the range 000100 to 000199, seeded out of code order, with
// codes that a numeric comparison would put elsewhere ("1000", "00150").
class AddressPrintoutsTest : public DataModuleTest {
  protected:
    void SetUp() override {
        seedRows(dm1.database(), "HIMAS3",
                 {partner("000200", QStringLiteral("範囲外運送")),
                  partner("000150", QStringLiteral("中野運輸")),
                  partner("000099", QStringLiteral("手前物流")),
                  partner("000199", QStringLiteral("末尾急送")),
                  partner("000100", QStringLiteral("先頭通運")),
                  partner("1000", QStringLiteral("文字順運送")),
                  partner("00150", QStringLiteral("五桁商事"))});
        registerMasterPrintouts(registry);
    }

    static PrintSelection range(const char* from, const char* to) {
        PrintSelection selection;
        selection.from = QString::fromLatin1(from);
        selection.to = QString::fromLatin1(to);
        return selection;
    }
    QStringList codesOf(const char* printout, const PrintSelection& selection) {
        const Dataset& rows =
            registry.find(QString::fromLatin1(printout)).query({dm1, dm2}, selection);
        QStringList codes;
        for (int row = 0; row < rows.recordCount(); ++row)
            codes << rows.valueAt(row, rows.fieldIndex(QStringLiteral("KCODE"))).toString();
        return codes;
    }
    // Many partners for the labels: 000001 up to count.
    void seedMany(int count) {
        QList<SeedRow> rows;
        for (int n = 1; n <= count; ++n)
            rows << partner(QStringLiteral("%1").arg(n, 6, 10, QLatin1Char('0')),
                            QStringLiteral("取引先%1").arg(n));
        seedRows(dm1.database(), "HIMAS3", rows);
    }

    PrintoutRegistry registry;
    PrintRunner runner{registry, {dm1, dm2}};
    FixedToday today{"2003-06-02"};
};

TEST_F(AddressPrintoutsTest, TheRangeTakesTheCodesWithinItAsTextInCodeOrder) {
    struct Case {
        const char* from;
        const char* to;
        QStringList codes;
    };
    for (const Case& c :
         {Case{"000100", "000199", {"000100", "000150", "000199"}},
          // As typed, no zero-fill: "00150" sorts after every "000..." code, "1000"
          // after them all.
          Case{"0", "000150", {"000099", "000100", "000150"}},
          Case{"000200", "2", {"000200", "00150", "1000"}},
          Case{"0", "999999", {"000099", "000100", "000150", "000199", "000200", "00150", "1000"}},
          // From greater than to: nothing.
          Case{"000199", "000100", {}}}) {
        SCOPED_TRACE(std::string(c.from) + " - " + c.to);
        EXPECT_EQ(codesOf("QR_Address", range(c.from, c.to)), c.codes);
        EXPECT_EQ(codesOf("QR_Add_LBL2", range(c.from, c.to)), c.codes);
    }
}

TEST_F(AddressPrintoutsTest, ABoundIsAValueNeverPartOfTheStatement) {
    EXPECT_EQ(codesOf("QR_Address", range("0' OR '1'='1", "000099")), (QStringList{"000099"}));
}

// Whole printouts against their references; VANTIR_UPDATE_REFERENCES=1 writes them anew.
TEST_F(AddressPrintoutsTest, EveryPrintoutMatchesItsReference) {
    struct Case {
        const char* printout;
        const char* from;
        const char* to;
        const char* reference;
    };
    for (const Case& c : {Case{"QR_Address", "000100", "000199", "QR_Address.txt"},
                          Case{"QR_Address2", "000100", "000199", "QR_Address2.txt"},
                          Case{"QR_Add_LBL", "000100", "000199", "QR_Add_LBL.txt"},
                          Case{"QR_Add_LBL2", "000100", "000199", "QR_Add_LBL2.txt"},
                          Case{"QR_Address", "000199", "000100", "QR_Address_empty.txt"}}) {
        SCOPED_TRACE(c.reference);
        const PageModel model = runner.layOut(QString::fromLatin1(c.printout), range(c.from, c.to));
        EXPECT_TRUE(
            matchesReference(dumpPageModel(model), __FILE__, QString::fromLatin1(c.reference)));
    }
}

TEST_F(AddressPrintoutsTest, AnEmptyRangePrintsNoPartner) {
    for (const char* printout : {"QR_Address", "QR_Add_LBL"}) {
        const PageModel model = runner.layOut(QString::fromLatin1(printout), range("9", "0"));
        for (const Page& page : model.pages) {
            EXPECT_FALSE(page.textValues().join(QString()).contains(QStringLiteral("御中")));
            EXPECT_FALSE(page.textValues().contains(QStringLiteral("000100")));
        }
    }
}

TEST_F(AddressPrintoutsTest, ReportFlagOneChoosesTheContinuousLayouts) {
    dm1.database().connection().execute(
        QStringLiteral("UPDATE COP_DAT SET RPT_FLG = '1' WHERE CODE = '1'"));
    readReportLayoutSwitches(dm1, appState);

    for (const char* printout : {"QR_Address", "QR_Add_LBL"}) {
        SCOPED_TRACE(printout);
        const QString chosen = chosenLayout(QString::fromLatin1(printout), appState);
        const PageModel model = runner.layOut(chosen, range("000100", "000199"));

        EXPECT_EQ(chosen, QString::fromLatin1(printout) + QLatin1Char('2'));
        EXPECT_EQ(model.pageSetup.pageSize(), QSizeF(240, 279.4));
    }
}

// The top left of each label's postcode, page by page.
QList<QList<QPointF>> labelCorners(const PageModel& model) {
    QList<QList<QPointF>> pages;
    for (const Page& page : model.pages) {
        QList<QPointF> corners;
        for (const PageText& t : page.texts)
            if (t.text == QStringLiteral("662-0001")) corners << t.rect.topLeft();
        pages << corners;
    }
    return pages;
}

TEST_F(AddressPrintoutsTest, LabelsStandThreeAcrossThenDownAndGoOnToASecondPage) {
    dm1.database().connection().execute(QStringLiteral("DELETE FROM HIMAS3"));
    // Six rows of 43.4 mm fit the 283 mm body of A4: eighteen labels, then a second page.
    seedMany(20);

    const PageModel model = runner.layOut(QStringLiteral("QR_Add_LBL"), range("0", "999999"));

    const QList<QList<QPointF>> pages = labelCorners(model);
    ASSERT_EQ(pages.size(), 2);
    ASSERT_EQ(pages[0].size(), 18);
    ASSERT_EQ(pages[1].size(), 2);
    const QPointF origin = pages[0][0];
    for (int n = 0; n < 18; ++n) {
        SCOPED_TRACE(n);
        EXPECT_NEAR(pages[0][n].x() - origin.x(), (n % 3) * AddressLabels::kWidth, 1e-6);
        EXPECT_NEAR(pages[0][n].y() - origin.y(), (n / 3) * AddressLabels::kHeight, 1e-6);
    }
    EXPECT_EQ(pages[1][0], origin);
    EXPECT_NEAR(pages[1][1].x() - origin.x(), AddressLabels::kWidth, 1e-6);
    // In code order: the first page ends with partner 18, the second starts with 19.
    EXPECT_TRUE(model.pages[0].textValues().contains(QStringLiteral("取引先18 御中")));
    EXPECT_EQ(model.pages[1].textValues().filter(QStringLiteral("御中")),
              (QStringList{"取引先19 御中", "取引先20 御中"}));
}

}  // namespace
}  // namespace vantir::test
