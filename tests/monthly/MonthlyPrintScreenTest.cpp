#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "common/printing/PrintoutRegistry.h"
#include "common/printing/WorkingCopyPrint.h"
#include "common/rules/DateRuleMessages.h"
#include "monthly/rules/MonthlyReportPrintouts.h"
#include "monthly/rules/MonthlyReportShape.h"
#include "monthly/screens/MonthlyPrintScreen.h"
#include "platform/report/ReportPreview.h"
#include "support/FixedToday.h"
#include "support/ShownScreenTest.h"

namespace vantir::test {
namespace {

// Today 24/06/10; the control record closes on the 20th; one slip of May.
class MonthlyPrintScreenTest : public ShownScreenTest {
  protected:
    void SetUp() override {
        registerMonthlyReportPrintouts(registry);
        dm1.database().connection().execute(QStringLiteral("UPDATE S_CONTROL SET VSIM = '20'"));
        seedRows(dm1.database(), "HITRAN1",
                 {{{"CODE", "1"},
                   {"DDAY", "24/05/10"},
                   {"KCODE", "000001"},
                   {"KNAME", QStringLiteral("丸山運送")},
                   {"UKING", 1000}}});
    }
    MonthlyPrintScreen& open(const char* report) {
        auto dialog = std::make_unique<MonthlyPrintScreen>(QString::fromLatin1(report), registry,
                                                           PrintSources{dm1, dm2}, messages);
        MonthlyPrintScreen& opened = *dialog;
        show(std::move(dialog));
        return opened;
    }
    QString text(const char* name) const { return widget<QLineEdit>(name)->text(); }

    PrintoutRegistry registry;
    FixedToday today{"2024-06-10"};
};

struct ShapeCase {
    const char* report;
    const char* rangeLabel;
    const char* to;
    const char* choiceLabel;  // nullptr: the third row is hidden
    const char* hint;
    const char* choice;
};

void PrintTo(const ShapeCase& c, std::ostream* os) { *os << c.report; }

class MonthlyPrintShapeTest : public MonthlyPrintScreenTest,
                              public ::testing::WithParamInterface<ShapeCase> {};

TEST_P(MonthlyPrintShapeTest, TheDialogIsShapedByTheReportName) {
    const ShapeCase& c = GetParam();
    open(c.report);
    EXPECT_EQ(screen->windowTitle(), QStringLiteral("月次印刷範囲設定"));
    EXPECT_EQ(text("EditSime"), QStringLiteral("20"));
    EXPECT_EQ(text("EditMonth"), QStringLiteral("24/05"));
    EXPECT_EQ(widget<QLabel>("LabelRange")->text(), QString::fromUtf8(c.rangeLabel));
    EXPECT_EQ(text("Edit1"), QStringLiteral("0"));
    EXPECT_EQ(text("Edit2"), QString::fromLatin1(c.to));
    EXPECT_EQ(widget<QLineEdit>("EditChoice")->isVisible(), c.choiceLabel != nullptr);
    EXPECT_EQ(widget<QLabel>("LabelHint")->isVisible(), c.choiceLabel != nullptr);
    if (c.choiceLabel) {
        EXPECT_EQ(widget<QLabel>("LabelChoice")->text(), QString::fromUtf8(c.choiceLabel));
        EXPECT_EQ(widget<QLabel>("LabelHint")->text(), QString::fromUtf8(c.hint));
        EXPECT_EQ(text("EditChoice"), QString::fromLatin1(c.choice));
    }
}

constexpr const char* kPeriodHint = "1>前半 2>中半 3>後半 0>全体";
constexpr const char* kFlagHint = "1>自社締日 2>相手先締日";

INSTANTIATE_TEST_SUITE_P(
    EighteenReports, MonthlyPrintShapeTest,
    ::testing::Values(ShapeCase{"QR_TK_SM", "得意ｺｰﾄﾞ", "999999", nullptr, nullptr, nullptr},
                      ShapeCase{"QR_UriBKM", "得意ｺｰﾄﾞ", "999999", nullptr, nullptr, nullptr},
                      ShapeCase{"QR_Rieki", "得意ｺｰﾄﾞ", "999999", nullptr, nullptr, nullptr},
                      ShapeCase{"QR_Uri_Nen", "得意ｺｰﾄﾞ", "999999", nullptr, nullptr, nullptr},
                      ShapeCase{"QR_UriBK", "得意ｺｰﾄﾞ", "999999", nullptr, nullptr, nullptr},
                      ShapeCase{"QR_KakeUri", "得意ｺｰﾄﾞ", "999999", nullptr, nullptr, nullptr},
                      ShapeCase{"QR_ChkUri", "得意ｺｰﾄﾞ", "999999", nullptr, nullptr, nullptr},
                      ShapeCase{"QR_UriBKS", "得意ｺｰﾄﾞ", "999999", "期間", kPeriodHint, "0"},
                      ShapeCase{"QR_YS_SM", "傭車先ｺｰﾄﾞ", "999999", nullptr, nullptr, nullptr},
                      ShapeCase{"QR_SirBKM", "傭車先ｺｰﾄﾞ", "999999", nullptr, nullptr, nullptr},
                      ShapeCase{"QR_Sir_Nen", "傭車先ｺｰﾄﾞ", "999999", nullptr, nullptr, nullptr},
                      ShapeCase{"QR_SirBK", "傭車先ｺｰﾄﾞ", "999999", nullptr, nullptr, nullptr},
                      ShapeCase{"QR_SirBKS", "傭車先ｺｰﾄﾞ", "999999", "期間", kPeriodHint, "0"},
                      ShapeCase{"QR_KakeSir", "傭車先ｺｰﾄﾞ", "999999", "締ﾌﾗｸﾞ", kFlagHint, "1"},
                      ShapeCase{"QR_ChkSir", "傭車先ｺｰﾄﾞ", "999999", "締ﾌﾗｸﾞ", kFlagHint, "1"},
                      ShapeCase{"QR_Eki_Tan", "担当者ｺｰﾄﾞ", "99", nullptr, nullptr, nullptr},
                      ShapeCase{"QR_IN_SM", "取引先ｺｰﾄﾞ", "999999", nullptr, nullptr, nullptr},
                      ShapeCase{"QR_INS_SM", "取引先ｺｰﾄﾞ", "999999", nullptr, nullptr, nullptr}),
    [](const ::testing::TestParamInfo<ShapeCase>& info) { return std::string(info.param.report); });

TEST(MonthlyReportShapeTest, EveryReportOfTheMenusHasItsShape) {
    EXPECT_EQ(MonthlyReportShape::reports().size(), 18);
    EXPECT_EQ(MonthlyReportShape::find(QStringLiteral("QR_UriBKS"))->window, "QR_UriBKM");
    EXPECT_EQ(MonthlyReportShape::find(QStringLiteral("QR_SirBK"))->window, "QR_SirBKM");
    EXPECT_EQ(MonthlyReportShape::find(QStringLiteral("QR_Rieki"))->window, "QR_Rieki");
    EXPECT_EQ(MonthlyReportShape::find(QStringLiteral("QR_Vantir")), nullptr);
}

// Enter and Page Down: 締日, 月度, the range, the third row where it shows, "&P 印刷";
// Page Up walks back. "&Q 閉じる" is not reached by Tab.
TEST_F(MonthlyPrintScreenTest, EnterAndPageKeysWalkTheFieldsToThePrintButton) {
    for (const char* report : {"QR_TK_SM", "QR_UriBKS"}) {
        SCOPED_TRACE(report);
        open(report);
        const bool third = QLatin1String(report) == QLatin1String("QR_UriBKS");
        focus("EditSime");
        QStringList walked;
        for (int i = 0; i < (third ? 5 : 4); ++i) {
            press(i % 2 ? Qt::Key_PageDown : Qt::Key_Return);
            walked << focusName();
        }
        QStringList expected{"EditMonth", "Edit1", "Edit2"};
        if (third) expected << "EditChoice";
        expected << "btnPrint";
        EXPECT_EQ(walked, expected);
        focus("Edit2");
        press(Qt::Key_PageUp);
        EXPECT_EQ(focusName(), QStringLiteral("Edit1"));
        press(Qt::Key_PageUp);
        EXPECT_EQ(focusName(), QStringLiteral("EditMonth"));
        press(Qt::Key_PageUp);
        EXPECT_EQ(focusName(), QStringLiteral("EditSime"));
        EXPECT_EQ(widget<QPushButton>("btnPrint")->text(), QStringLiteral("&P 印刷"));
        EXPECT_EQ(widget<QPushButton>("btnClose")->text(), QStringLiteral("&Q 閉じる"));
        EXPECT_EQ(widget<QPushButton>("btnClose")->focusPolicy(), Qt::ClickFocus);
    }
}

// One report window at a time: printing again replaces it, closing the dialog takes it.
TEST_F(MonthlyPrintScreenTest, ThePrintShowsOneReportWindowThatGoesWithTheDialog) {
    MonthlyPrintScreen& dialog = open("QR_TK_SM");
    widget<QPushButton>("btnPrint")->click();
    ASSERT_TRUE(messages.shown.isEmpty()) << messages.shown.join("\n").toStdString();
    QPointer<ReportPreview> first = dialog.preview();
    ASSERT_NE(first, nullptr);
    widget<QPushButton>("btnPrint")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(first.isNull());
    QPointer<ReportPreview> second = dialog.preview();
    ASSERT_NE(second, nullptr);
    widget<QPushButton>("btnClose")->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_TRUE(second.isNull());
}

TEST_F(MonthlyPrintScreenTest, AnEmptyFieldOrAnEmptyMonthIsToldAndNothingShows) {
    MonthlyPrintScreen& dialog = open("QR_TK_SM");
    widget<QLineEdit>("EditMonth")->clear();
    widget<QPushButton>("btnPrint")->click();
    widget<QLineEdit>("EditMonth")->setText(QStringLiteral("24/01"));
    widget<QPushButton>("btnPrint")->click();
    EXPECT_EQ(messages.shown, (QStringList{"notice:" + dateRuleMessage::enterClosingDayOrMonth,
                                           "notice:" + kNoDataMessage}));
    EXPECT_EQ(dialog.preview(), nullptr);
}

}  // namespace
}  // namespace vantir::test
