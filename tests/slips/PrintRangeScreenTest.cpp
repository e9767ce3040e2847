#include <gtest/gtest.h>

#include <QComboBox>
#include <QDateEdit>
#include <QLabel>
#include <QPointer>
#include <QPushButton>

#include "common/printing/PrintoutRegistry.h"
#include "platform/dataset/QueryDataset.h"
#include "slips/rules/SlipPrintouts.h"
#include "slips/screens/PrintRangeScreen.h"
#include "support/ShownScreenTest.h"

namespace vantir::test {
namespace {

// The print range dialog over two slips: one dispatched on 03/05/30 and billed on its
// unloading day 03/05/31, one dispatched and billed on 03/05/31. Today is 2026-12-09.
class PrintRangeScreenTest : public ShownScreenTest {
  protected:
    void SetUp() override {
        registerSlipPrintouts(registry);
        const auto slip = [](const char* code, const char* hymd) -> SeedRow {
            return {{"CODE", code}, {"HYMD", hymd},       {"THYMD", "03/05/31"},
                    {"SEKBN", "1"}, {"DDAY", "03/05/31"}, {"KNAME", QStringLiteral("入江運送")},
                    {"UKING", 1000}};
        };
        seedRows(dm1.database(), QStringLiteral("HITRAN1"),
                 {slip("1", "03/05/30"), slip("2", "03/05/31")});
    }

    PrintRangeScreen& open(const char* reportName) {
        auto opened = std::make_unique<PrintRangeScreen>(
            QString::fromLatin1(reportName), appState, registry, PrintSources{dm1, dm2}, messages);
        PrintRangeScreen& range = *opened;
        show(std::move(opened));
        return range;
    }
    void chooseDay(const QDate& date, const QString& kind) {
        widget<QDateEdit>(QStringLiteral("EditDate"))->setDate(date);
        widget<QComboBox>(QStringLiteral("ComboKind"))->setCurrentText(kind);
    }

    PrintoutRegistry registry;
};

TEST_F(PrintRangeScreenTest, EachModeShowsItsHeadingTodayAndTheDispatchDateFirst) {
    struct Case {
        const char* reportName;
        const char* heading;
    };
    for (const Case& c :
         {Case{"QR_Vantir", "配車表印刷設定"}, Case{"QR_Jyuryo", "配車表印刷設定"},
          Case{"QR_Kakutei", "確定一覧印刷設定"}, Case{"QR_Mitei", "未定一覧印刷設定"}}) {
        SCOPED_TRACE(c.reportName);
        open(c.reportName);

        EXPECT_EQ(screen->windowTitle(), QStringLiteral("印刷範囲選択"));
        EXPECT_EQ(widget<QLabel>(QStringLiteral("Label1"))->text(), QString::fromUtf8(c.heading));
        EXPECT_EQ(widget<QDateEdit>(QStringLiteral("EditDate"))->date(), QDate(2026, 12, 9));
        EXPECT_EQ(widget<QDateEdit>(QStringLiteral("EditDate"))->text(),
                  QStringLiteral("26/12/09"));
        auto* kind = widget<QComboBox>(QStringLiteral("ComboKind"));
        ASSERT_EQ(kind->count(), 3);
        EXPECT_EQ(kind->currentText(), QStringLiteral("配車日"));
        EXPECT_EQ(kind->itemText(1), QStringLiteral("降し日"));
        EXPECT_EQ(kind->itemText(2), QStringLiteral("請求日"));
        EXPECT_EQ(focusName(), QStringLiteral("EditDate"));
        EXPECT_EQ(widget<QPushButton>(QStringLiteral("btnPrint"))->text(), QStringLiteral("印刷"));
        EXPECT_EQ(widget<QPushButton>(QStringLiteral("btnClose"))->text(),
                  QStringLiteral("閉じる"));
    }
}

TEST_F(PrintRangeScreenTest, EnterAndPlusGoForwardShiftEnterAndMinusBackTheSignsSwallowed) {
    open("QR_Vantir");
    const QString day = widget<QDateEdit>(QStringLiteral("EditDate"))->text();

    press(Qt::Key_Return);
    EXPECT_EQ(focusName(), QStringLiteral("ComboKind"));
    type(QStringLiteral("+"));
    EXPECT_EQ(focusName(), QStringLiteral("btnPrint"));
    type(QStringLiteral("-"));
    EXPECT_EQ(focusName(), QStringLiteral("ComboKind"));
    press(Qt::Key_Return, Qt::ShiftModifier);
    EXPECT_EQ(focusName(), QStringLiteral("EditDate"));
    type(QStringLiteral("+-"));
    EXPECT_EQ(focusName(), QStringLiteral("EditDate"));
    EXPECT_EQ(widget<QDateEdit>(QStringLiteral("EditDate"))->text(), day);
}

TEST_F(PrintRangeScreenTest, PrintShowsTheDaysListOnTheLayoutTheReportFlagChose) {
    struct Case {
        const char* flag;
        QSizeF paper;
    };
    for (const Case& c : {Case{"0", QSizeF(297, 210)}, Case{"1", QSizeF(240, 279.4)}}) {
        SCOPED_TRACE(c.flag);
        appState.EditRpt_Flg = QString::fromLatin1(c.flag);
        PrintRangeScreen& range = open("QR_Kakutei");
        chooseDay(QDate(2003, 5, 31), QStringLiteral("請求日"));

        widget<QPushButton>(QStringLiteral("btnPrint"))->click();

        ASSERT_NE(range.preview(), nullptr);
        EXPECT_TRUE(range.preview()->isVisible());
        EXPECT_TRUE(range.preview()->isWindow());
        const PageModel& model = range.preview()->pageModel();
        EXPECT_EQ(model.title, QStringLiteral("確定一覧表"));
        EXPECT_EQ(model.pageSetup.pageSize(), c.paper);
        const QStringList texts = model.pages[0].textValues();
        EXPECT_TRUE(texts.contains(QStringLiteral("03/05/31")));
        EXPECT_TRUE(texts.contains(QStringLiteral("請求日")));
        // No slip has a receipt date: the list is empty.
        EXPECT_EQ(texts.mid(texts.indexOf(QStringLiteral("件数")), 2), (QStringList{"件数", "0"}));
        EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
    }
}

TEST_F(PrintRangeScreenTest, ClosingTheDialogClosesTheQueryAndItsPreview) {
    PrintRangeScreen& range = open("QR_Jyuryo");
    chooseDay(QDate(2003, 5, 31), QStringLiteral("降し日"));
    widget<QPushButton>(QStringLiteral("btnPrint"))->click();
    QPointer<ReportPreview> preview = range.preview();
    ASSERT_TRUE(preview);
    EXPECT_EQ(preview->pageModel().pages[0].boxes.size(), 2);  // both receipts
    ASSERT_TRUE(dm1.query(QStringLiteral("Q_HIT1QR")).isOpen());

    widget<QPushButton>(QStringLiteral("btnClose"))->click();

    EXPECT_FALSE(screen->isVisible());
    EXPECT_FALSE(dm1.query(QStringLiteral("Q_HIT1QR")).isOpen());
    EXPECT_TRUE(!preview || !preview->isVisible());
}

}  // namespace
}  // namespace vantir::test
