#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>

#include "cash/rules/CashListQuery.h"
#include "cash/rules/CashPrintouts.h"
#include "cash/screens/CashPrintDialog.h"
#include "common/printing/PrintoutRegistry.h"
#include "platform/report/PageModelDump.h"
#include "platform/report/ReportPreview.h"
#include "support/FixedToday.h"
#include "support/QtPrinters.h"
#include "support/ShownScreenTest.h"

namespace vantir {

void PrintTo(const CashSide* side, std::ostream* out);

namespace test {
namespace {

// The dialog in both modes, opened on 24/03/15. Closing day 20 has a customer, a carrier
// and two partners that are both; closing day 10 has one customer.
class CashPrintDialogTest : public ShownScreenTest,
                            public ::testing::WithParamInterface<const CashSide*> {
  protected:
    void SetUp() override {
        seedRows(dm1.database(), "HIMAS3",
                 {{{"KCODE", "000001"},
                   {"YCODE", "100001"},
                   {"KNAME", "丸山運送"},
                   {"SIME", "20"},
                   {"KY_KBN", "0"}},
                  {{"KCODE", "000002"},
                   {"YCODE", "100002"},
                   {"KNAME", "北星物流"},
                   {"SIME", "20"},
                   {"KY_KBN", "1"}},
                  {{"KCODE", "000003"},
                   {"YCODE", "100003"},
                   {"KNAME", "東和運輸"},
                   {"SIME", "20"},
                   {"KY_KBN", "2"}},
                  {{"KCODE", "000004"}, {"YCODE", "100004"}, {"KNAME", "南海商事"}, {"SIME", "20"}},
                  {{"KCODE", "000005"},
                   {"YCODE", "100005"},
                   {"KNAME", "西日本物産"},
                   {"SIME", "10"},
                   {"KY_KBN", "1"}}});
        for (const char* table : {"HITRAN2", "HITRAN3"}) {
            seedRows(dm1.database(), table,
                     {{{"CODE", "1"},
                       {"DDAY", "24/02/10"},
                       {"KCODE", "000001"},
                       {"YCODE", "100001"},
                       {"UKING", 1000},
                       {"SKING", 1000}},
                      {{"CODE", "2"},
                       {"DDAY", "24/02/11"},
                       {"KCODE", "000004"},
                       {"YCODE", "100004"},
                       {"UKING", 2000},
                       {"SKING", 2000}}});
        }
        registerCashPrintouts(printouts);
    }
    const CashSide& side() const { return *GetParam(); }
    bool receipts() const { return side().partnerCode == "KCODE"; }
    void open() {
        show(std::make_unique<CashPrintDialog>(side(), printouts, PrintSources{dm1, dm2}, appState,
                                               messages));
    }
    QStringList entries(const QString& list) const {
        auto* box = widget<QComboBox>(list);
        QStringList names;
        for (int i = 0; i < box->count(); ++i) names << box->itemText(i);
        return names;
    }
    void setClosingDay(const QString& day) {
        auto* box = widget<QLineEdit>("EditSime");
        box->selectAll();
        focus("EditSime");
        box->clear();
        type(day);
        press(Qt::Key_Return);
    }
    QList<ReportPreview*> previews() const {
        QList<ReportPreview*> shown;
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* preview = qobject_cast<ReportPreview*>(window)) shown << preview;
        return shown;
    }

    FixedToday today{"2024-03-15"};
    PrintoutRegistry printouts;
};

TEST_P(CashPrintDialogTest, OpensWithItsHeadingTheLastMonthAndTheWholeRange) {
    open();
    EXPECT_EQ(screen->windowTitle(), "締日選択");
    EXPECT_EQ(widget<QLabel>("LabelHeading")->text(), side().printHeading);
    EXPECT_EQ(widget<QLineEdit>("EditSime")->text(), "99");
    EXPECT_EQ(widget<QLineEdit>("Edit1")->text(), "000001");
    EXPECT_EQ(widget<QLineEdit>("Edit2")->text(), "999999");
    EXPECT_EQ(widget<QLineEdit>("Edit3")->text(), "24/02");
    EXPECT_EQ(entries("ComboBox1"), QStringList{"指定無"});
}

TEST_P(CashPrintDialogTest, AClosingDayListsItsPartnersOfTheSide) {
    open();
    setClosingDay("20");
    // Receipts leave out the pure carrier, payments the pure customer.
    const QStringList expected = receipts()
                                     ? QStringList{"指定無", "丸山運送", "北星物流", "南海商事"}
                                     : QStringList{"指定無", "丸山運送", "東和運輸", "南海商事"};
    EXPECT_EQ(entries("ComboBox1"), expected);
    EXPECT_EQ(entries("ComboBox2"), expected);
    EXPECT_EQ(widget<QComboBox>("ComboBox1")->currentIndex(), 0);
    // The month end and a day that is no number leave the lists as they were (set at
    // once: typed, "9" on its way to "99" is a closing day of its own).
    widget<QLineEdit>("EditSime")->setText("99");
    EXPECT_EQ(entries("ComboBox1"), expected);
    widget<QLineEdit>("EditSime")->setText("x");
    EXPECT_EQ(entries("ComboBox1"), expected);
    EXPECT_TRUE(messages.shown.contains("notice:'x' は整数ではありません"));
    // A closing day no partner has empties both lists.
    widget<QLineEdit>("EditSime")->setText("15");
    EXPECT_EQ(entries("ComboBox1"), QStringList());
    EXPECT_EQ(entries("ComboBox2"), QStringList());
}

TEST_P(CashPrintDialogTest, ANameChosenInEitherListSetsThatEndOfTheCodeRange) {
    open();
    setClosingDay("20");
    auto* first = widget<QComboBox>("ComboBox1");
    auto* second = widget<QComboBox>("ComboBox2");
    first->activated(1);
    second->activated(3);
    EXPECT_EQ(widget<QLineEdit>("Edit1")->text(), receipts() ? "000001" : "100001");
    EXPECT_EQ(widget<QLineEdit>("Edit2")->text(), receipts() ? "000004" : "100004");
}

TEST_P(CashPrintDialogTest, PrintsTheListNarrowedToTheRangeOnePreviewAtATime) {
    CashListQuery(side(), dm1).select("24/02/01", "24/02/29", "");
    open();
    widget<QLineEdit>("Edit2")->setText(receipts() ? "000002" : "100002");
    QTest::mouseClick(widget("btnPrint"), Qt::LeftButton);
    QTest::mouseClick(widget("btnPrint"), Qt::LeftButton);
    ASSERT_EQ(previews().size(), 1);
    const QString dump = dumpPageModel(previews().first()->pageModel());
    EXPECT_TRUE(dump.contains("\"1,000\""));
    EXPECT_FALSE(dump.contains("\"2,000\""));
    EXPECT_TRUE(dump.contains("\"24/02  99日締\""));
    EXPECT_TRUE(dump.startsWith("paper 210x297"));
    screen->close();
    EXPECT_TRUE(previews().isEmpty());
}

TEST_P(CashPrintDialogTest, TheCompanySwitchPrintsTheContinuousTwin) {
    appState.EditRpt_Flg = "1";
    open();
    QTest::mouseClick(widget("btnPrint"), Qt::LeftButton);
    ASSERT_EQ(previews().size(), 1);
    EXPECT_TRUE(dumpPageModel(previews().first()->pageModel()).startsWith("paper 240x279.4"));
}

INSTANTIATE_TEST_SUITE_P(Twins, CashPrintDialogTest,
                         ::testing::Values(&CashSide::receipts(), &CashSide::payments()),
                         [](const auto& info) { return info.param->printMode.toStdString(); });

}  // namespace
}  // namespace test
}  // namespace vantir
