#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "maintenance/screens/CompanyScreen.h"
#include "platform/dataset/TableDataset.h"
#include "platform/ui/RecordBar.h"
#include "support/ShownScreenTest.h"

namespace vantir::test {
namespace {

class CompanyScreenTest : public ShownScreenTest {
  protected:
    void SetUp() override {
        dm1.database().connection().execute(
            "UPDATE COP_DAT SET CNAME = '北運輸', CTEL = '011-222-3333'");
        show(std::make_unique<CompanyScreen>(dm1, messages));
    }
    RecordBar& bar() { return *widget<RecordBar>("DBNavigator1"); }
};

TEST_F(CompanyScreenTest, ShowsTheCompanyRecordWithTheSwitchLegends) {
    EXPECT_EQ(screen->windowTitle(), "会社情報");
    EXPECT_EQ(widget<QLineEdit>("EditCNAME")->text(), "北運輸");
    EXPECT_EQ(widget<QLabel>("LegendRPT_FLG")->text(), "0 = Ａ４汎用紙 / 1 = 10*11連続帳票");
    EXPECT_EQ(widget<QLabel>("LegendRPT_FLG2")->text(), "0 = 白紙用紙 / 1 = 専用伝票");
    QStringList visible;
    for (const QPushButton* button : widget("DBNavigator1")->findChildren<QPushButton*>()) {
        if (button->isVisible()) visible << button->text();
    }
    EXPECT_EQ(visible, (QStringList{"&O 登録", "&C 取消"}));
}

TEST_F(CompanyScreenTest, TypingEditsAndOnlyRegisteringSaves) {
    // "-" is part of a telephone number here, not a step key.
    typeInto("EditCFAX", "011-222-4444");
    focus("EditRPT_FLG");
    press(Qt::Key_End);
    press(Qt::Key_Backspace);
    type("1");
    EXPECT_TRUE(dm1.table("COP_DAT").isEditing());
    EXPECT_EQ(stored("SELECT CFAX FROM COP_DAT").toString(), "");
    ASSERT_TRUE(bar().run(RecordBar::Post));
    EXPECT_EQ(stored("SELECT CFAX || '/' || RPT_FLG || '/' || CTEL FROM COP_DAT").toString(),
              "011-222-4444/1/011-222-3333");
    EXPECT_EQ(stored("SELECT COUNT(*) FROM COP_DAT").toInt(), 1);
}

TEST_F(CompanyScreenTest, CancelAndCloseDropTheChanges) {
    typeInto("EditCNAME", "X");
    ASSERT_TRUE(bar().run(RecordBar::Cancel));
    EXPECT_EQ(widget<QLineEdit>("EditCNAME")->text(), "北運輸");
    typeInto("EditCZIP", "060-0001");
    widget<QPushButton>("btnClose")->click();
    EXPECT_FALSE(screen->isVisible());
    EXPECT_FALSE(dm1.table("COP_DAT").isOpen());
    EXPECT_EQ(stored("SELECT CNAME || '/' || IFNULL(CZIP, 'null') FROM COP_DAT").toString(),
              "北運輸/null");
}

}  // namespace
}  // namespace vantir::test
