#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>

#include "ScheduleFixture.h"
#include "common/printing/PrintoutRegistry.h"
#include "common/printing/ReportLayoutSwitches.h"
#include "ledgers/rules/SchedulePrintouts.h"
#include "ledgers/screens/SchedulePrintScreen.h"
#include "support/ScreenInput.h"
#include "support/ScriptedMessages.h"

namespace vantir::test {
namespace {

// The dialog over the month of ScheduleFixture, opened on 24/03/15.
class SchedulePrintScreenTest : public ScheduleFixture {
  protected:
    void SetUp() override {
        ScheduleFixture::SetUp();
        registerSchedulePrintouts(registry);
    }
    void TearDown() override { dialog.reset(); }

    SchedulePrintScreen& open(const char* report) {
        dialog = std::make_unique<SchedulePrintScreen>(QString::fromLatin1(report), appState,
                                                       registry, PrintSources{dm1, dm2}, messages);
        EXPECT_TRUE(showActive(*dialog));
        return *dialog;
    }
    template <typename Widget = QWidget>
    Widget* widget(const char* name) const {
        return childNamed<Widget>(*dialog, QString::fromLatin1(name));
    }
    void print() { widget<QPushButton>("btnPrint")->click(); }

    PrintoutRegistry registry;
    ScriptedMessages messages;
    std::unique_ptr<SchedulePrintScreen> dialog;
};

TEST_F(SchedulePrintScreenTest, OpensOnLastMonthAndSwallowsEnter) {
    SchedulePrintScreen& screen = open("QR_Nyu_Yo");
    EXPECT_EQ(screen.windowTitle(), QStringLiteral("印刷設定"));
    EXPECT_EQ(widget<QLabel>("Label1")->text(), QStringLiteral("印刷設定"));
    EXPECT_EQ(widget<QLineEdit>("EditTsuki")->text(), QStringLiteral("24/02"));
    EXPECT_EQ(widget<QPushButton>("btnPrint")->text(), QStringLiteral("&P 印刷"));
    EXPECT_EQ(widget<QPushButton>("btnClose")->text(), QStringLiteral("&Q 閉じる"));
    EXPECT_EQ(focusName(), QStringLiteral("EditTsuki"));

    press(Qt::Key_Return);
    EXPECT_EQ(focusName(), QStringLiteral("EditTsuki"));
    EXPECT_EQ(screen.preview(), nullptr);
    EXPECT_TRUE(messages.shown.isEmpty());
}

// The report flag chooses the continuous form; a second print replaces the first preview;
// closing the dialog closes the last one.
TEST_F(SchedulePrintScreenTest, PrintShowsTheChosenLayoutOfTheMonth) {
    dm1.database().connection().execute(
        QStringLiteral("UPDATE COP_DAT SET RPT_FLG = '1' WHERE CODE = '1'"));
    readReportLayoutSwitches(dm1, appState);
    SchedulePrintScreen& screen = open("QR_Kake_Rep");
    print();
    ASSERT_NE(screen.preview(), nullptr);
    EXPECT_EQ(screen.preview()->pageModel().title, QStringLiteral("売掛・買掛一覧表"));
    EXPECT_EQ(screen.preview()->pageModel().pageSetup.pageSize(), QSizeF(240, 279.4));
    EXPECT_TRUE(screen.preview()->pageModel().pages.first().textValues().contains(
        QStringLiteral("000001 丸山運送")));

    const QPointer<ReportPreview> first = screen.preview();
    print();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    const QPointer<ReportPreview> last = screen.preview();
    widget<QPushButton>("btnClose")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(last.isNull());
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(SchedulePrintScreenTest, AMonthWithoutDataOrNoMonthIsToldAndShowsNothing) {
    struct Case {
        const char* month;
        const char* message;
    };
    for (const Case& c : {Case{"25/01", "notice:該当するデータがありません。"},
                          Case{"2501", "notice:月度は yy/mm の形（例 03/05）で入力して下さい。"}}) {
        SCOPED_TRACE(c.month);
        messages.shown.clear();
        SchedulePrintScreen& screen = open("QR_Hari_Yo");
        widget<QLineEdit>("EditTsuki")->setText(QString::fromLatin1(c.month));
        print();
        EXPECT_EQ(screen.preview(), nullptr);
        EXPECT_EQ(messages.shown, QStringList{QString::fromUtf8(c.message)});
    }
}

TEST_F(SchedulePrintScreenTest, TheTransferSlipsPrintNothing) {
    SchedulePrintScreen& screen = open("QR_Furi_Den");
    print();
    EXPECT_EQ(screen.preview(), nullptr);
    EXPECT_TRUE(messages.shown.isEmpty());
}

}  // namespace
}  // namespace vantir::test
