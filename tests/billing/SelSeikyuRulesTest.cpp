#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "InvoiceFixture.h"
#include "ScopedRawPrinter.h"
#include "billing/rules/SelSeikyuRules.h"
#include "platform/dataset/QueryDataset.h"
#include "support/FixedToday.h"
#include "support/QtPrinters.h"
#include "support/ScriptedMessages.h"

namespace vantir::test {
namespace {

// Today 26/12/09: month-end customers are billed for 26/11/01 to 26/11/30, those closing
// on the 20th for 26/10/21 to 26/11/20.
class SelSeikyuRulesTest : public InvoiceFixture {
  protected:
    void SetUp() override {
        InvoiceFixture::SetUp();
        seedRows(dm1.database(), "HIMAS3",
                 {customer("000012", "丸山運送", "99"), customer("000013", "北星物流", "99"),
                  customer("000020", "南海陸送", "20")});
        seedRows(dm1.database(), "HITRAN1",
                 {slip(1, "26/11/05", "000012", 12345), slip(2, "26/10/31", "000013", 5000),
                  slip(3, "26/11/20", "000020", 8000)});
    }

    SelSeikyuRules& rules(const char* rptFlg = "0", const char* rptFlg2 = "0") {
        appState.EditRpt_Flg = QString::fromLatin1(rptFlg);
        appState.EditRpt_Flg2 = QString::fromLatin1(rptFlg2);
        made = std::make_unique<SelSeikyuRules>(dm1, dm2, appState, messages);
        return *made;
    }

    QStringList listed() {
        QStringList codes;
        QueryDataset& list = made->customers();
        for (int row = 0; row < list.recordCount(); ++row)
            codes << list.valueAt(row, list.fieldIndex(QStringLiteral("KCODE"))).toString();
        return codes;
    }

    FixedToday today{"2026-12-09"};
    ScriptedMessages messages;
    std::unique_ptr<SelSeikyuRules> made;
};

const QString kQuestion =
    QStringLiteral("question:範囲指定:当該月の売上のある得意先のみ表示しますか？");

TEST_F(SelSeikyuRulesTest, OpeningAsksOnceAndYesListsTheMonthsCustomersUntilTheNextSearch) {
    SelSeikyuRules& dialog = rules();
    ASSERT_TRUE(dialog.opening());

    EXPECT_EQ(messages.shown, QStringList{kQuestion});
    EXPECT_EQ(dialog.state().period,
              (BillingPeriod{QStringLiteral("26/11/01"), QStringLiteral("26/11/30")}));
    EXPECT_EQ(rows("SELECT KCODE, URI_FLG FROM HIMAS3 ORDER BY KCODE"),
              (QStringList{"000012|100", "000013|0", "000020|0"}));
    EXPECT_EQ(listed(), QStringList{"000012"});

    // The marks belong to the month end: another closing day lists nobody, unasked.
    ASSERT_TRUE(dialog.closingDayChanged(QStringLiteral("20")));
    EXPECT_EQ(messages.shown.size(), 1);
    EXPECT_EQ(listed(), QStringList());
    EXPECT_TRUE(dialog.redisplay());  // pressed later it does nothing
    EXPECT_EQ(messages.shown.size(), 1);

    ASSERT_TRUE(dialog.search());
    EXPECT_EQ(listed(), QStringList{"000020"});
    EXPECT_EQ(dialog.state().code, QStringLiteral("000020"));
    EXPECT_EQ(dialog.state().name, QStringLiteral("南海陸送"));
}

TEST_F(SelSeikyuRulesTest, AnsweringNoListsEveryCustomerOfTheClosingDay) {
    messages.answers = {false};
    SelSeikyuRules& dialog = rules();
    ASSERT_TRUE(dialog.opening());

    EXPECT_EQ(listed(), (QStringList{"000012", "000013"}));
    EXPECT_EQ(rows("SELECT MAX(URI_FLG) FROM HIMAS3"), QStringList{"0"});
}

TEST_F(SelSeikyuRulesTest, TheButtonsFollowTheRunAndAnyChangeTakesThemBack) {
    SelSeikyuRules& dialog = rules();
    ASSERT_TRUE(dialog.opening());
    dialog.codeChanged(QStringLiteral("12"));
    EXPECT_TRUE(dialog.state().name.isEmpty());
    ASSERT_FALSE(dialog.codeLeft().stays());
    EXPECT_EQ(dialog.state().name, QStringLiteral("丸山運送"));

    QString preview;
    ASSERT_TRUE(dialog.print(&preview));
    EXPECT_EQ(preview, QStringLiteral("QR_Seikyu"));
    EXPECT_FALSE(dialog.state().printEnabled);
    EXPECT_TRUE(dialog.state().copyEnabled);
    EXPECT_TRUE(dialog.state().totalShown);
    EXPECT_FALSE(dialog.state().discountShown);

    dialog.totalInvoice();
    EXPECT_FALSE(dialog.state().totalShown);
    EXPECT_TRUE(dialog.state().discountShown);
    ASSERT_TRUE(dialog.discountRateChanged(QStringLiteral("10")));
    EXPECT_EQ(dialog.state().discountAmount, QStringLiteral("1235"));
    ASSERT_TRUE(dialog.totalPrint(&preview));
    EXPECT_EQ(preview, QStringLiteral("QR_SeikyuH"));
    EXPECT_EQ(rows("SELECT SKING, ZKING, GKING FROM HITRANM"), QStringList{"1235|556|11666"});

    const Result refused = dialog.discountRateChanged(QStringLiteral("1割"));
    EXPECT_EQ(refused.message, QStringLiteral("'1割' は整数ではありません"));
    EXPECT_EQ(dialog.state().discountAmount, QStringLiteral("1235"));

    dialog.periodChanged(dialog.state().period);
    EXPECT_TRUE(dialog.state().printEnabled);
    EXPECT_FALSE(dialog.state().copyEnabled);
    EXPECT_FALSE(dialog.state().totalShown);
    EXPECT_FALSE(dialog.state().discountShown);
}

TEST_F(SelSeikyuRulesTest, PrintingWithoutACustomerOnlyTellsToChooseOne) {
    messages.answers = {false};
    SelSeikyuRules& dialog = rules();
    ASSERT_TRUE(dialog.opening());
    QString preview;

    const Result refused = dialog.print(&preview);

    EXPECT_TRUE(refused.isNotice);
    EXPECT_EQ(refused.message, QStringLiteral("印刷する得意先を選択して下さい。"));
    EXPECT_TRUE(dialog.state().printEnabled);
    EXPECT_EQ(rows("SELECT COUNT(*) FROM HITRANM"), QStringList{"0"});
}

TEST_F(SelSeikyuRulesTest, AClosingDayWithoutItsDayAfterKeepsThePeriodAndTheList) {
    FixedToday april("2026-04-10");  // a month ago is 26/03/10: day 31 of February is wanted
    messages.answers = {false};
    SelSeikyuRules& dialog = rules();
    ASSERT_TRUE(dialog.opening());
    const BillingPeriod before = dialog.state().period;

    const Result refused = dialog.closingDayChanged(QStringLiteral("30"));

    EXPECT_EQ(refused.message, QStringLiteral("'26/02/31' は日付ではありません"));
    EXPECT_EQ(dialog.state().period, before);
    EXPECT_EQ(listed(), (QStringList{"000012", "000013"}));
}

TEST_F(SelSeikyuRulesTest, TheFlagsDecideWhatACopyIs) {
    struct Case {
        const char* rptFlg;
        const char* rptFlg2;
        const char* preview;
        bool printsRaw;
        const char* summary;
    };
    const QTemporaryDir out;
    const QString rawPrinter = out.filePath(QStringLiteral("printer.bin"));
    const ScopedRawPrinter printer(rawPrinter);
    for (const Case& c :
         {Case{"0", "1", "QR_Seikyu", false, "QR_SeikyuH"},
          Case{"1", "0", "QR_Seikyu2", false, "QR_SeikyuH2"},
          Case{"1", "1", "", true, "QR_SeikyuH2"}, Case{"1", "7", "", false, "QR_SeikyuH2"}}) {
        SCOPED_TRACE(std::string(c.rptFlg) + "/" + c.rptFlg2);
        QFile::remove(rawPrinter);
        messages.answers = {false};
        SelSeikyuRules& dialog = rules(c.rptFlg, c.rptFlg2);
        ASSERT_TRUE(dialog.opening());
        dialog.codeChanged(QStringLiteral("000012"));
        QString preview;
        ASSERT_TRUE(dialog.print(&preview));

        ASSERT_TRUE(dialog.copy(&preview));

        EXPECT_EQ(preview, QString::fromLatin1(c.preview));
        EXPECT_EQ(QFile::exists(rawPrinter), c.printsRaw);
        ASSERT_TRUE(dialog.totalPrint(&preview));
        EXPECT_EQ(preview, QString::fromLatin1(c.summary));
    }
}

}  // namespace
}  // namespace vantir::test
