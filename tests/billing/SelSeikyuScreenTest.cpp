#include <QDateEdit>
#include <QLineEdit>
#include <QPushButton>

#include "InvoiceFixture.h"
#include "billing/screens/SelSeikyuScreen.h"
#include "platform/report/ReportPreview.h"
#include "platform/ui/DatasetGrid.h"
#include "support/FixedToday.h"
#include "support/QtPrinters.h"
#include "support/ShownScreenTest.h"

namespace vantir::test {
namespace {

// Today 26/12/09; two month-end customers, one with sales in November.
class SelSeikyuScreenTest : public ShownScreenTest {
  protected:
    void SetUp() override {
        dm1.database().connection().execute(QStringLiteral("UPDATE SHOZEI SET ZEIGAKU = 5"));
        seedRows(dm1.database(), "HIMAS3",
                 {customer("000012", "丸山運送", "99"), customer("000013", "北星物流", "99")});
        seedRows(dm1.database(), "HITRAN1", {slip(1, "26/11/05", "000012", 12345)});
    }
    void open() { show(std::make_unique<SelSeikyuScreen>(dm1, dm2, appState, messages)); }
    QString text(const char* name) const { return widget<QLineEdit>(name)->text(); }
    bool visible(const char* name) const { return widget(name)->isVisible(); }
    bool enabled(const char* name) const { return widget(name)->isEnabled(); }
    void click(const char* name) const { widget<QPushButton>(name)->click(); }
    void clickCustomer(int row) {
        auto* list = widget<DatasetGrid>("DBGrid1");
        const QModelIndex index = list->model()->index(row, 0);
        QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    }

    FixedToday today{"2026-12-09"};
};

TEST_F(SelSeikyuScreenTest, OpensOnTheMonthEndOfLastMonthAskingWhichCustomersToList) {
    open();

    EXPECT_EQ(screen->windowTitle(), QStringLiteral("請求印刷選択"));
    EXPECT_EQ(messages.shown,
              QStringList{"question:範囲指定:当該月の売上のある得意先のみ表示しますか？"});
    EXPECT_EQ(text("EditSime"), QStringLiteral("99"));
    EXPECT_EQ(widget<QDateEdit>("DateTimePicker1")->date(), QDate(2026, 11, 1));
    EXPECT_EQ(widget<QDateEdit>("DateTimePicker2")->date(), QDate(2026, 11, 30));
    const QAbstractItemModel* list = widget<DatasetGrid>("DBGrid1")->model();
    ASSERT_EQ(list->rowCount(), 1);
    EXPECT_EQ(list->index(0, 0).data().toString(), QStringLiteral("000012"));
    EXPECT_EQ(list->headerData(2, Qt::Horizontal).toString(), QStringLiteral("住所１"));
    EXPECT_TRUE(enabled("btnPrint"));
    EXPECT_FALSE(enabled("btnCopy"));
    EXPECT_FALSE(visible("btnTotal"));
    for (const char* hidden : {"Edit3", "Edit4", "btnTotalPrint", "LabelDiscount"})
        EXPECT_FALSE(visible(hidden)) << hidden;
}

TEST_F(SelSeikyuScreenTest, AChosenCustomerIsPrintedThenSummedWithADiscount) {
    open();
    clickCustomer(0);
    EXPECT_EQ(text("Edit1"), QStringLiteral("000012"));
    EXPECT_EQ(text("Edit2"), QStringLiteral("丸山運送"));

    click("btnPrint");
    EXPECT_EQ(screen->findChildren<ReportPreview*>().size(), 1);
    EXPECT_FALSE(enabled("btnPrint"));
    EXPECT_TRUE(enabled("btnCopy"));
    EXPECT_TRUE(visible("btnTotal"));
    click("btnCopy");
    EXPECT_EQ(screen->findChildren<ReportPreview*>().size(), 2);

    click("btnTotal");
    EXPECT_FALSE(visible("btnTotal"));
    EXPECT_TRUE(visible("Edit3"));
    typeInto("Edit3", "10");
    EXPECT_EQ(text("Edit4"), QStringLiteral("1235"));
    click("btnTotalPrint");
    EXPECT_EQ(stored("SELECT SKING FROM HITRANM").toLongLong(), 1235);
    EXPECT_EQ(screen->findChildren<ReportPreview*>().size(), 3);

    typeInto("Edit1", "3");  // another customer: back to printing
    EXPECT_TRUE(enabled("btnPrint"));
    EXPECT_FALSE(enabled("btnCopy"));
}

TEST_F(SelSeikyuScreenTest, EnterWalksTheFieldsPaddingTheCodeAndSearchingAfterTheLastDate) {
    messages.answers = {false};
    open();
    EXPECT_EQ(focusName(), QStringLiteral("EditSime"));
    press(Qt::Key_Return);
    EXPECT_EQ(focusName(), QStringLiteral("DateTimePicker1"));
    type("+");
    EXPECT_EQ(focusName(), QStringLiteral("DateTimePicker2"));

    press(Qt::Key_Return);  // leaving the last date searches: the marked customer is chosen
    EXPECT_EQ(focusName(), QStringLiteral("Edit1"));
    EXPECT_EQ(text("Edit1"), QStringLiteral("000012"));
    EXPECT_EQ(widget<DatasetGrid>("DBGrid1")->model()->rowCount(), 1);

    widget<QLineEdit>("Edit1")->clear();
    type("13");
    EXPECT_EQ(text("Edit2"), QString());
    press(Qt::Key_Return);
    EXPECT_EQ(text("Edit1"), QStringLiteral("000013"));
    EXPECT_EQ(text("Edit2"), QStringLiteral("北星物流"));
    EXPECT_EQ(focusName(), QStringLiteral("btnPrint"));
}

}  // namespace
}  // namespace vantir::test
