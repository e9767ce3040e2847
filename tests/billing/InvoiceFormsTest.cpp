#include <gtest/gtest.h>

#include "InvoiceFixture.h"
#include "billing/rules/BillingPrintouts.h"
#include "billing/rules/InvoiceLayoutChoice.h"
#include "billing/rules/InvoiceRun.h"
#include "common/printing/PrintRunner.h"
#include "common/printing/PrintoutRegistry.h"
#include "platform/report/PageModelDump.h"
#include "support/QtPrinters.h"
#include "support/ReferenceText.h"

namespace vantir::test {
namespace {

struct ChoiceCase {
    const char* rptFlg;
    const char* rptFlg2;
    DetailedInvoiceForm detailed;
    const char* summary;
};

TEST(InvoiceLayoutChoiceTest, TheTwoFlagsChooseTheForms) {
    const ChoiceCase cases[] = {
        {"0", "0", DetailedInvoiceForm::QR_Seikyu, "QR_SeikyuH"},
        {"0", "1", DetailedInvoiceForm::QR_Seikyu, "QR_SeikyuH"},
        {"", "", DetailedInvoiceForm::QR_Seikyu, "QR_SeikyuH"},
        {"1", "0", DetailedInvoiceForm::QR_Seikyu2, "QR_SeikyuH2"},
        {"1", "1", DetailedInvoiceForm::DotMatrix, "QR_SeikyuH2"},
        {"1", "2", DetailedInvoiceForm::None, "QR_SeikyuH2"},
        {"1", "", DetailedInvoiceForm::None, "QR_SeikyuH2"},
    };
    for (const ChoiceCase& c : cases) {
        SCOPED_TRACE(std::string(c.rptFlg) + "/" + c.rptFlg2);
        const InvoiceLayoutChoice choice =
            InvoiceLayoutChoice::of(QString::fromLatin1(c.rptFlg), QString::fromLatin1(c.rptFlg2));
        EXPECT_EQ(choice.detailed, c.detailed);
        EXPECT_EQ(choice.summary, QString::fromLatin1(c.summary));
    }
    EXPECT_EQ(InvoiceLayoutChoice::of("1", "1").detailedPrintout(), QString());
    EXPECT_EQ(InvoiceLayoutChoice::of("1", "1").detailedPageForm(), QStringLiteral("QR_Seikyu2"));
    EXPECT_EQ(InvoiceLayoutChoice::of("0", "1").detailedPrintout(), QStringLiteral("QR_Seikyu"));
}

// One customer's invoice of two slips (one with costs), printed by the run, then laid out
// by the registered forms.
class InvoiceFormsTest : public InvoiceFixture {
  protected:
    void SetUp() override {
        InvoiceFixture::SetUp();
        registerBillingPrintouts(registry);
        seedRows(dm1.database(), "HIMAS3", {customer("000012", "丸山運送", "20")});
        SeedRow first = slip(1, "24/01/25", "000012", 100000, 500);
        first.insert("HATTI", "横浜市");
        first.insert("THTTI", "大阪府堺市");
        first.insert("TON", "10t");
        first.insert("SHBAN", "1234");
        first.insert("BIKO", "冷凍");
        seedRows(dm1.database(), "HITRAN1", {first, slip(2, "24/02/20", "000012", 23457)});
    }

    QString dump(const char* form) {
        return dumpPageModel(runner.layOut(QString::fromLatin1(form), {}));
    }

    PrintoutRegistry registry;
    PrintRunner runner{registry, {dm1, dm2}};
};

TEST_F(InvoiceFormsTest, EachFormMatchesItsReference) {
    ASSERT_TRUE(
        InvoiceRun(dm1).print(QStringLiteral("000012"), QStringLiteral("丸山運送"), february()));
    ASSERT_TRUE(InvoiceRun(dm1).applyDiscount(QStringLiteral("000012"), february(), 0));
    for (const char* form : {"QR_Seikyu", "QR_Seikyu2", "QR_SeikyuH", "QR_SeikyuH2"}) {
        SCOPED_TRACE(form);
        EXPECT_TRUE(matchesReference(dump(form), __FILE__, QString::fromLatin1(form) + ".txt"));
    }
}

TEST_F(InvoiceFormsTest, TheSummaryAsksForSalesLessDiscountPlusCostsAndTax) {
    ASSERT_TRUE(
        InvoiceRun(dm1).print(QStringLiteral("000012"), QStringLiteral("丸山運送"), february()));
    ASSERT_TRUE(InvoiceRun(dm1).applyDiscount(QStringLiteral("000012"), february(), 3457));

    const PageModel model = runner.layOut(QStringLiteral("QR_SeikyuH"), {});

    const QStringList texts = model.pages[0].textValues();
    // 120,000 net at 5 %: tax 6,000; 120,000 + 500 + 6,000.
    for (const char* expected : {"123,457", "3,457", "500", "6,000", "126,500", " 丸山運送  御中 "})
        EXPECT_TRUE(texts.contains(QString::fromUtf8(expected))) << expected;
}

TEST_F(InvoiceFormsTest, AnInvoiceWithoutSlipsStillPrintsItsHeader) {
    ASSERT_TRUE(InvoiceRun(dm1).print(QStringLiteral("000012"), QStringLiteral("丸山運送"),
                                      {QStringLiteral("23/01/21"), QStringLiteral("23/02/20")}));

    const PageModel model = runner.layOut(QStringLiteral("QR_Seikyu"), {});

    ASSERT_EQ(model.pages.size(), 1);
    const QStringList texts = model.pages[0].textValues();
    EXPECT_TRUE(texts.contains(QStringLiteral("23/02/20")));
    EXPECT_TRUE(texts.contains(QStringLiteral("ヴァンティル運輸株式会社")));
    EXPECT_FALSE(texts.contains(QStringLiteral("横浜市～大阪府堺市")));
}

}  // namespace
}  // namespace vantir::test
