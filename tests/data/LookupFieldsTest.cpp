#include <gtest/gtest.h>

#include "platform/dataset/QueryDataset.h"
#include "support/DataModuleTest.h"
#include "support/Seed.h"

namespace vantir::test {
namespace {

class LookupFieldsTest : public DataModuleTest {
  protected:
    void SetUp() override {
        for (DataModule* module :
             {static_cast<DataModule*>(&dm1), static_cast<DataModule*>(&dm2)}) {
            seedRows(module->database(), QStringLiteral("HIMAS3"),
                     {{{"KCODE", "000001"},
                       {"KZIP", "100-0001"},
                       {"KADD1", "東京都千代田区千代田1-1"},
                       {"KADD2", "第一ビル"}},
                      {{"KCODE", "000002"}, {"KZIP", "530-0001"}, {"KADD1", "大阪市北区梅田"}}});
            const QList<SeedRow> invoice = {
                {{"KCODE", "000001"}, {"CODE", "1"}, {"DDAY", "26/11/30"}},
                {{"KCODE", "000009"}, {"CODE", "2"}, {"DDAY", "26/11/30"}}};
            seedRows(module->database(), QStringLiteral("WK_SEIKYU"), invoice);
            seedRows(module->database(), QStringLiteral("WK_SEK_HED"), invoice);
            seedRows(module->database(), QStringLiteral("HITRAN2"),
                     {{{"CODE", "1"}, {"SEKBN", "1"}, {"HYMD", "26/11/02"}},
                      {{"CODE", "2"}, {"SEKBN", "0"}, {"HYMD", "26/11/01"}},
                      {{"CODE", "3"}, {"HYMD", "26/10/31"}}});
            seedRows(module->database(), QStringLiteral("HITRAN3"),
                     {{{"CODE", "1"}, {"SEKBN", "1"}}, {{"CODE", "2"}, {"SEKBN", "0"}}});
        }
    }
};

// The customer's address shows on the invoice tables; a customer missing from the
// partner master shows NULL.
TEST_F(LookupFieldsTest, InvoiceViewsShowTheCustomersAddress) {
    for (DataModule* module : {static_cast<DataModule*>(&dm1), static_cast<DataModule*>(&dm2)}) {
        for (const char* name : {"WK_SEIKYU", "WK_SEK_HED", "QWK_Seikyu"}) {
            Dataset& view = module->view(QString::fromLatin1(name));
            view.open();
            ASSERT_TRUE(view.locate(QStringLiteral("KCODE"), QStringLiteral("000001"))) << name;
            EXPECT_EQ(view.text(QStringLiteral("KZIP")), QStringLiteral("100-0001")) << name;
            EXPECT_EQ(view.text(QStringLiteral("KADD1")),
                      QStringLiteral("東京都千代田区千代田1-1"));
            EXPECT_EQ(view.text(QStringLiteral("KADD2")), QStringLiteral("第一ビル"));
            ASSERT_TRUE(view.locate(QStringLiteral("KCODE"), QStringLiteral("000009")));
            EXPECT_TRUE(view.isNull(QStringLiteral("KZIP"))) << name;
            view.close();
        }
    }
}

// The partner master or a consolidation screen may have narrowed the shared HIMAS3 view to
// one partner: an invoice line still shows its own customer's address, and a change made
// on that screen shows on the invoice at once.
TEST_F(LookupFieldsTest, InvoiceLinesShowTheirOwnCustomerWhateverHimas3IsNarrowedTo) {
    for (DataModule* module : {static_cast<DataModule*>(&dm1), static_cast<DataModule*>(&dm2)}) {
        Dataset& partners = module->view(QStringLiteral("HIMAS3"));
        partners.setFilter(QStringLiteral("KCODE = '000002'"));
        partners.setFiltered(true);
        partners.open();
        ASSERT_EQ(partners.recordCount(), 1);
        for (const char* name : {"WK_SEIKYU", "WK_SEK_HED", "QWK_Seikyu"}) {
            Dataset& invoice = module->view(QString::fromLatin1(name));
            invoice.open();
            ASSERT_TRUE(invoice.locate(QStringLiteral("KCODE"), QStringLiteral("000001")));
            EXPECT_EQ(invoice.text(QStringLiteral("KZIP")), QStringLiteral("100-0001")) << name;
            EXPECT_EQ(invoice.text(QStringLiteral("KADD2")), QStringLiteral("第一ビル")) << name;
        }
        ASSERT_TRUE(partners.setText(QStringLiteral("KZIP"), QStringLiteral("530-0002")));
        ASSERT_TRUE(partners.post());
        module->query1().setSql({QStringLiteral("UPDATE HIMAS3 SET KADD2 = '新第一ビル'"),
                                 QStringLiteral("WHERE KCODE = '000001'")});
        module->query1().execSql();
        Dataset& lines = module->view(QStringLiteral("QWK_Seikyu"));
        lines.close();  // the invoice is read again for its next copy
        seedRows(module->database(), QStringLiteral("WK_SEIKYU"),
                 {{{"KCODE", "000002"}, {"CODE", "3"}, {"DDAY", "26/11/30"}}});
        lines.open();
        ASSERT_TRUE(lines.locate(QStringLiteral("KCODE"), QStringLiteral("000002")));
        EXPECT_EQ(lines.text(QStringLiteral("KZIP")), QStringLiteral("530-0002"));
        EXPECT_EQ(lines.text(QStringLiteral("KADD1")), QStringLiteral("大阪市北区梅田"));
        Dataset& header = module->view(QStringLiteral("WK_SEK_HED"));
        ASSERT_TRUE(header.locate(QStringLiteral("KCODE"), QStringLiteral("000001")));
        EXPECT_EQ(header.text(QStringLiteral("KADD2")), QStringLiteral("新第一ビル"));
        EXPECT_EQ(partners.recordCount(), 1) << "the partner screen keeps its filter";
        module->closeAll();
    }
}

TEST_F(LookupFieldsTest, LookedUpFieldsAreNotColumnsOfTheTable) {
    Dataset& invoice = dm1.view(QStringLiteral("WK_SEIKYU"));
    invoice.open();
    invoice.append();
    EXPECT_TRUE(invoice.setValue(QStringLiteral("KCODE"), QStringLiteral("000001")).ok);
    EXPECT_TRUE(invoice.setValue(QStringLiteral("CODE"), QStringLiteral("3")).ok);
    ASSERT_TRUE(invoice.post().ok);
    EXPECT_EQ(dm1.database().connection().columnNames(QStringLiteral("WK_SEIKYU")).size(), 29);
    EXPECT_EQ(invoice.text(QStringLiteral("KZIP")), QStringLiteral("100-0001"));
}

// The billing class's name shows on the receipt and payment lists: "1" is 降し日, also
// while the shared list of billing classes is narrowed to "0".
TEST_F(LookupFieldsTest, ReceiptAndPaymentListsNameTheBillingClass) {
    Dataset& classes = dm1.view(QStringLiteral("f_SeikyuK"));
    classes.setFilter(QStringLiteral("FDATA = '0'"));
    classes.setFiltered(true);
    classes.open();
    ASSERT_EQ(classes.recordCount(), 1);
    struct Case {
        DataModule* module;
        const char* view;
        const char* code;
        QVariant name;
    };
    const Case cases[] = {
        {&dm1, "Q_HIT2R", "1", QStringLiteral("降し日")},
        {&dm1, "Q_HIT2R", "2", QStringLiteral("通常")},
        {&dm1, "Q_HIT2R", "3", QVariant()},
        {&dm1, "Q_HIT3R", "1", QStringLiteral("降し日")},
        {&dm2, "Q_HIT2R", "1", QStringLiteral("降し日")},
        {&dm2, "Q_HIT3R", "2", QStringLiteral("通常")},
    };
    for (const Case& c : cases) {
        Dataset& list = c.module->view(QString::fromLatin1(c.view));
        list.open();
        ASSERT_TRUE(list.locate(QStringLiteral("CODE"), QString::fromLatin1(c.code)));
        EXPECT_EQ(list.value(QStringLiteral("SEKBN_N")), c.name) << c.view << " " << c.code;
        list.close();
    }
}

}  // namespace
}  // namespace vantir::test
