#include <gtest/gtest.h>

#include <QAction>
#include <QCalendarWidget>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QSignalSpy>
#include <memory>
#include <tuple>

#include "app/shell/CommandTable.h"
#include "app/shell/LongLivedScreens.h"
#include "app/shell/MainWindow.h"
#include "app/shell/ScreenFactories.h"
#include "data/AppState.h"
#include "data/DataModule1.h"
#include "data/DataModule2.h"
#include "data/HandBacks.h"
#include "data/HookTargets.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/db/Connection.h"
#include "platform/db/Database.h"
#include "platform/report/ReportPreview.h"
#include "support/CalendarTexts.h"
#include "support/ScopedDefaultLocale.h"
#include "support/ScreenInput.h"
#include "support/ScriptedMessages.h"
#include "support/TestProgramDir.h"

namespace vantir::test {
namespace {

// The main window over a fresh program directory, with every real screen plugged in and
// stand-ins for the screens later subsystems bring: each records the report name it was
// opened for.
class MainWindowTest : public ::testing::Test {
  protected:
    void SetUp() override {
        dir.executeOnMain({"UPDATE COP_DAT SET RPT_FLG = '1', RPT_FLG2 = '0'"});
        registerScreens(table, longLived);
        for (const char* mode : {"SelSime", "SelDate", "NippoInp"}) plugStandIn(mode);
        longLived.registerScreen("Compaction",
                                 [](const ScreenContext&) { return standIn("Compaction"); });
    }

    static std::unique_ptr<QWidget> standIn(const QString& name) {
        auto screen = std::make_unique<QWidget>();
        screen->setObjectName(name);
        return screen;
    }
    void plugStandIn(const QString& mode) {
        table.setScreenFactory(mode, [this, mode](const ScreenContext& context) {
            reportNames[mode] = context.reportName;
            ScreenSet screens;
            screens.push_back(standIn(mode));
            return screens;
        });
    }

    void start(bool upgradeCompleted = true) {
        window = std::make_unique<MainWindow>(
            table, ScreenContext{state, dm1, dm2, hookTargets, handBacks, messages, longLived},
            dir.path(), upgradeCompleted);
        window->show();
    }

    QPushButton* button(const QString& name) const {
        auto* found = window->findChild<QPushButton*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    // The command buttons shown, with their captions.
    QStringList shownCommands() const {
        QStringList shown;
        for (int index = 1; index <= 9; ++index) {
            QPushButton* command = button(CommandTable::commandButton(index));
            if (command->isVisibleTo(window.get()))
                shown << command->objectName() + "=" + command->text();
        }
        if (button("btnDB_Change")->isVisibleTo(window.get())) shown << "btnDB_Change";
        return shown;
    }
    void choose(int group, const QString& command) {
        button(QStringLiteral("btnMM%1").arg(group))->click();
        button(command)->click();
    }
    QWidget* screen(const QString& name) const { return window->findChild<QWidget*>(name); }

    TestProgramDir dir;
    AppState state;
    HookTargets hookTargets;
    HandBacks handBacks;
    DataModule1 dm1{dir.path(), state, hookTargets};
    DataModule2 dm2{dir.path(), state, hookTargets};
    ScriptedMessages messages;
    CommandTable table;
    LongLivedScreens longLived;
    QHash<QString, QString> reportNames;
    std::unique_ptr<MainWindow> window;
};

TEST_F(MainWindowTest, StartSelectsGroupOneAndReadsTheLayoutSwitches) {
    start();
    EXPECT_EQ(window->windowTitle(), "Vantir");
    EXPECT_EQ(state.EditMPage, "1");
    EXPECT_EQ(state.EditDir, dir.path());
    EXPECT_EQ(window->findChild<QLabel*>("Label1")->text(), "日次処理");
    EXPECT_TRUE(button("btnMM1")->font().bold());
    EXPECT_FALSE(button("btnMM2")->font().bold());
    EXPECT_FALSE(button("btnMS8")->isVisibleTo(window.get()));
    EXPECT_EQ(state.EditRpt_Flg, "1");
    EXPECT_EQ(state.EditRpt_Flg2, "0");
    EXPECT_EQ(window->findChild<QCalendarWidget*>("MonthCalendar1")->selectedDate(),
              QDate(2026, 12, 9));
    EXPECT_EQ(state.EditDate, "");
    EXPECT_EQ(state.EditPName, "EditPName");
    EXPECT_TRUE(messages.shown.isEmpty());
}

TEST_F(MainWindowTest, AfterAFailedUpgradeNoGroupIsSelectedAndTheSwitchesStayPlain) {
    start(/*upgradeCompleted=*/false);
    EXPECT_EQ(state.EditMPage, "");
    EXPECT_EQ(state.EditRpt_Flg, "0");
    EXPECT_TRUE(shownCommands().isEmpty());
}

struct GroupCase {
    int group;
    QStringList shown;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const GroupCase& c, std::ostream* os) { *os << "group " << c.group; }

class MenuGroupTest : public MainWindowTest, public ::testing::WithParamInterface<GroupCase> {};

TEST_P(MenuGroupTest, ShowsExactlyTheGroupsCommandsInBold) {
    const GroupCase& c = GetParam();
    start();
    button("btnMM9")->click();  // from another group, so that nothing is left over
    button(QStringLiteral("btnMM%1").arg(c.group))->click();
    EXPECT_EQ(shownCommands(), c.shown);
    EXPECT_EQ(state.EditMPage, QString::number(c.group));
    EXPECT_EQ(window->findChild<QLabel*>("Label1")->text(), CommandTable::groupCaption(c.group));
    for (int group = 1; group <= 9; ++group)
        EXPECT_EQ(button(QStringLiteral("btnMM%1").arg(group))->font().bold(), group == c.group);
    // A hidden button carries no caption, except the "*" of group 2.
    for (int index = 1; index <= 9; ++index) {
        QPushButton* command = button(CommandTable::commandButton(index));
        if (!command->isVisibleTo(window.get()) && !(c.group == 2 && index == 4)) {
            EXPECT_EQ(command->text(), "") << index;
        }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Groups, MenuGroupTest,
    ::testing::Values(GroupCase{1,
                                {"btnMS1=配車票入力", "btnMS2=配車票訂正", "btnMS3=配車票問合せ",
                                 "btnMS4=配車票印刷", "btnMS5=日別受領書印刷", "btnMS6=確定一覧表",
                                 "btnMS7=未確定一覧表", "btnMS9=受領書白紙"}},
                      GroupCase{2,
                                {"btnMS1=入金編集", "btnMS2=入金一覧", "btnMS3=入金一覧印刷",
                                 "btnMS5=支払編集", "btnMS6=支払一覧", "btnMS7=支払一覧印刷"}},
                      GroupCase{3,
                                {"btnMS1=請求書作成", "btnMS2=売上管理台帳", "btnMS3=仕入管理台帳",
                                 "btnMS4=売掛金一覧表", "btnMS5=買掛金一覧表",
                                 "btnMS6=売掛金確認書", "btnMS7=買掛金確認書"}},
                      GroupCase{4,
                                {"btnMS1=月次集計処理", "btnMS3=社内取引集計印刷(売)",
                                 "btnMS4=社内取引集計印刷(仕)", "btnMS6=得意先合算マスター編集",
                                 "btnMS7=仕入先合算マスター編集"}},
                      GroupCase{5,
                                {"btnMS1=得意先別収支明細印刷", "btnMS2=傭車先別収支明細印刷",
                                 "btnMS4=売上帳印刷 (月次用)", "btnMS5=仕入帳印刷 (月次用)",
                                 "btnMS6=得意先別利益率表", "btnMS7=担当者別利益率表",
                                 "btnMS8=年間売上表印刷", "btnMS9=年間傭車料表印刷"}},
                      GroupCase{6,
                                {"btnMS1=売上帳編集", "btnMS2=仕入帳編集", "btnMS3=入金台帳編集",
                                 "btnMS4=支払台帳編集", "btnMS6=売上帳印刷", "btnMS7=仕入帳印刷"}},
                      GroupCase{7,
                                {"btnMS1=入金予定表印刷", "btnMS2=支払予定表印刷",
                                 "btnMS3=支払先リスト印刷", "btnMS4=売掛・買掛一覧表"}},
                      GroupCase{
                          8,
                          {"btnMS1=取引先マスタ", "btnMS2=担当者マスタ", "btnMS3=担当店マスタ",
                           "btnMS4=取引先住所録印刷", "btnMS5=取引先宛名印刷"}},
                      GroupCase{9,
                                {"btnMS1=コントロール", "btnMS3=ＤＢの最適化", "btnMS4=更新処理",
                                 "btnMS5=会社情報設定", "btnMS6=営業所情報設定",
                                 "btnMS8=年度更新処理", "btnMS9=初期化処理", "btnDB_Change"}}),
    [](const auto& info) { return "Group" + std::to_string(info.param.group); });

TEST_F(MainWindowTest, GroupTwoCaptionsItsHiddenFourthButton) {
    start();
    button("btnMM2")->click();
    EXPECT_EQ(button("btnMS4")->text(), "*");
    EXPECT_FALSE(button("btnMS4")->isVisibleTo(window.get()));
}

TEST_F(MainWindowTest, OpeningACommandReleasesTheScreensOfTheLastOne) {
    start();
    choose(2, "btnMS3");  // 入金一覧印刷
    QPointer<QWidget> selection = screen("SelSime");
    ASSERT_TRUE(selection);
    EXPECT_TRUE(selection->isVisible());
    EXPECT_FALSE(selection->isModal());
    EXPECT_EQ(state.EditPName, "SelSime");

    choose(8, "btnMS1");  // 取引先マスタ, the selection screen still open
    EXPECT_TRUE(selection.isNull());
    ASSERT_TRUE(screen("Tokui_mas"));
    EXPECT_TRUE(screen("Tokui_mas")->isVisible());
    EXPECT_EQ(state.EditPName, "Tokui_mas");
}

TEST_F(MainWindowTest, AScreenClosedByTheUserIsReleasedByTheNextCommand) {
    start();
    choose(1, "btnMS1");
    QPointer<QWidget> entry = screen("NippoInp");
    entry->close();
    EXPECT_FALSE(entry.isNull());  // closing only hides it
    choose(1, "btnMS4");
    EXPECT_TRUE(entry.isNull());
}

// 配車票訂正 opens the slip correction with the cursor in its number box.
TEST_F(MainWindowTest, SlipCorrectionOpensFromTheMenu) {
    start();
    choose(1, "btnMS2");
    QWidget* correction = screen("NippoEdit");
    ASSERT_TRUE(correction);
    EXPECT_TRUE(correction->isVisible());
    EXPECT_EQ(correction->windowTitle(), "配車票訂正");
    EXPECT_EQ(state.EditPName, "NippoEdit");
}

TEST_F(MainWindowTest, APairIsOpenedAndReleasedTogether) {
    start();
    choose(1, "btnMS3");  // 配車票問合せ: the dispatch list with the inquiry screen
    QPointer<QWidget> list = screen("RepNippo");
    QPointer<QWidget> inquiry = screen("RepNippoEdit");
    ASSERT_TRUE(list && inquiry);
    EXPECT_TRUE(list->isVisible());
    EXPECT_EQ(list->windowTitle(), "配車一覧");
    EXPECT_FALSE(inquiry->isVisible());
    EXPECT_EQ(inquiry->windowTitle(), "配車票訂正");
    EXPECT_EQ(state.EditPName, "RepNippo");
    EXPECT_EQ(hookTargets.find("NippoEdit"), nullptr) << "no hook serves the inquiry";
    choose(8, "btnMS1");
    EXPECT_TRUE(list.isNull());
    EXPECT_TRUE(inquiry.isNull());
}

// The receipt date the dispatch list repeats lasts for the run: a list closed and opened
// again from the menu goes on repeating it.
TEST_F(MainWindowTest, TheDispatchListsReceiptDateOutlivesTheList) {
    dir.executeOnMain({"INSERT INTO HITRAN1 (CODE, HYMD) VALUES ('1', '26/11/02')",
                       "INSERT INTO HITRAN1 (CODE, HYMD) VALUES ('2', '26/11/03')",
                       "INSERT INTO HITRAN1 (CODE, HYMD) VALUES ('3', '26/11/04')"});
    start();
    const auto receiptDate = [this](int panel) {
        QWidget* list = screen("RepNippo");
        auto* box = list->findChild<QLineEdit*>(QStringLiteral("CHKDAY_%1").arg(panel));
        box->setFocus(Qt::TabFocusReason);
        return box;
    };
    choose(1, "btnMS3");
    ASSERT_TRUE(showActive(*screen("RepNippo")));
    receiptDate(0);
    type("26/11/30");
    EXPECT_EQ(receiptDate(1)->text(), "26/11/30");
    screen("RepNippo")->close();  // registers the slip being changed
    choose(8, "btnMS1");
    choose(1, "btnMS3");
    ASSERT_TRUE(showActive(*screen("RepNippo")));
    EXPECT_EQ(receiptDate(2)->text(), "26/11/30");
    EXPECT_EQ(dm1.database().connection().scalar("SELECT COUNT(*) FROM HITRAN1 WHERE CHKDAY = "
                                                 "'26/11/30'"),
              2);
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
}

TEST_F(MainWindowTest, ASelectionScreenIsToldItsReport) {
    start();
    choose(1, "btnMS4");  // 配車票印刷
    EXPECT_EQ(state.EditPName, "SelDate");
    EXPECT_EQ(reportNames.value("SelDate"), "QR_Vantir");
}

TEST_F(MainWindowTest, TheDailyPrintCommandsOpenThePrintRangeDialogAndTheBlankSheet) {
    start();
    for (const auto& [command, heading] : {std::pair{"btnMS5", "配車表印刷設定"},
                                           {"btnMS6", "確定一覧印刷設定"},
                                           {"btnMS7", "未定一覧印刷設定"}}) {
        choose(1, command);
        QWidget* range = screen("SelDate");
        ASSERT_NE(range, nullptr) << command;
        EXPECT_TRUE(range->isVisible());
        EXPECT_EQ(range->findChild<QLabel*>("Label1")->text(), QString::fromUtf8(heading));
    }

    choose(1, "btnMS9");  // 受領書白紙: straight to its preview, on A4 whatever the flag
    EXPECT_EQ(state.EditPName, "QR_JyuryoW");
    EXPECT_EQ(screen("SelDate"), nullptr);
    auto* sheet = window->findChild<ReportPreview*>();
    ASSERT_NE(sheet, nullptr);
    EXPECT_TRUE(sheet->isVisible());
    EXPECT_EQ(sheet->windowTitle(), "受領書白紙");
    EXPECT_EQ(sheet->pageModel().pageSetup.pageSize(), QSizeF(210, 297));
    EXPECT_EQ(sheet->pageModel().pages[0].boxes.size(), 15);
}

TEST_F(MainWindowTest, ScreensMadeAtStartKeepTheOpenScreenAndTheModeName) {
    start();
    choose(8, "btnMS1");
    QPointer<QWidget> partners = screen("Tokui_mas");
    choose(9, "btnMS3");  // ＤＢの最適化
    EXPECT_TRUE(screen("Compaction")->isVisible());
    EXPECT_FALSE(partners.isNull());
    EXPECT_EQ(state.EditPName, "Tokui_mas");

    window->findChild<QAction*>("actAbout")->trigger();
    QWidget* about = screen("AboutBox");
    ASSERT_NE(about, nullptr);
    EXPECT_TRUE(about->isVisible());
    EXPECT_TRUE(about->findChild<QLabel*>("ProductName")->text() == "Vantir for Access");
    EXPECT_FALSE(about->findChild<QLabel*>("Version")->text().isEmpty());
    EXPECT_EQ(state.EditPName, "Tokui_mas");
    EXPECT_FALSE(partners.isNull());
}

// The three searches are made at start, hidden, their lists closed until a screen shows
// one; showing it leaves the open screen and the mode name alone.
TEST_F(MainWindowTest, SearchesAreMadeAtStartUnderTheirNames) {
    start();
    const std::pair<const char*, const char*> searches[] = {{"SlipSearch", "Q_HIT1SK"},
                                                            {"CustomerSearch", "Q_HIM3TSK"},
                                                            {"CarrierSearch", "Q_HIM3YSK"}};
    for (const auto& [name, query] : searches) {
        QWidget* search = longLived.find(name);
        ASSERT_NE(search, nullptr) << name;
        EXPECT_EQ(search->parentWidget(), window.get()) << name;
        EXPECT_FALSE(search->isVisible()) << name;
        EXPECT_FALSE(dm1.query(query).isOpen()) << name;
    }
    choose(8, "btnMS1");
    QPointer<QWidget> partners = screen("Tokui_mas");
    ASSERT_TRUE(longLived.show("CustomerSearch"));
    EXPECT_EQ(longLived.find("CustomerSearch")->windowTitle(), "得意先検索");
    EXPECT_TRUE(dm1.query("Q_HIM3TSK").isOpen());
    EXPECT_FALSE(partners.isNull());
    EXPECT_EQ(state.EditPName, "Tokui_mas");
}

TEST_F(MainWindowTest, CommandsWithoutAScreenYetDoNothing) {
    start();
    choose(8, "btnMS1");
    QPointer<QWidget> partners = screen("Tokui_mas");
    for (const auto& [group, command] :
         {std::pair{9, "btnMS4"}, {5, "btnMS3"}, {9, "btnDB_Change"}}) {
        choose(group, command);
        EXPECT_FALSE(partners.isNull()) << group << command;
        EXPECT_EQ(state.EditPName, "Tokui_mas") << group << command;
    }
}

// The calendar names months and weekdays in Japanese on a machine of any locale.
TEST_F(MainWindowTest, TheCalendarSpeaksJapaneseWhateverTheSystemLocale) {
    const ScopedDefaultLocale system(QLocale::c());
    start();
    auto* calendar = window->findChild<QCalendarWidget*>("MonthCalendar1");
    ASSERT_NE(calendar, nullptr);
    EXPECT_EQ(calendarTexts(*calendar),
              (QStringList{"12月", "日", "月", "火", "水", "木", "金", "土"}));
}

TEST_F(MainWindowTest, TheClickedDayIsKeptForTheEntryScreens) {
    start();
    auto* calendar = window->findChild<QCalendarWidget*>("MonthCalendar1");
    Q_EMIT calendar->clicked(QDate(2026, 11, 3));
    EXPECT_EQ(state.EditDate, "26/11/03");
}

TEST_F(MainWindowTest, TheMaintenanceScreensOpenFromGroupNine) {
    QFile ownOffice(dir.filePath("VantirTenSet.ini"));
    ASSERT_TRUE(ownOffice.open(QIODevice::WriteOnly));
    ownOffice.write("01\r\n\r\n");
    ownOffice.close();
    start();
    for (const auto& [command, mode] :
         {std::pair{"btnMS1", "S_Control"}, {"btnMS5", "Cop_Dat"}, {"btnMS6", "TenSet"}}) {
        choose(9, command);
        EXPECT_EQ(state.EditPName, mode);
        QWidget* opened = screen(mode);
        ASSERT_NE(opened, nullptr) << mode;
        EXPECT_TRUE(opened->isVisible());
    }
    EXPECT_EQ(messages.shown, QStringList()) << messages.shown.join('\n').toStdString();
}

TEST_F(MainWindowTest, TheMasterScreensOpenFromGroupEight) {
    start();
    for (const auto& [command, mode, caption] : {std::tuple{"btnMS1", "Tokui_mas", "取引先マスタ"},
                                                 {"btnMS2", "Tan_mas", "担当者マスタ"},
                                                 {"btnMS3", "Ten_mas", "店所マスタ"}}) {
        choose(8, command);
        EXPECT_EQ(state.EditPName, mode);
        QWidget* opened = screen(mode);
        ASSERT_NE(opened, nullptr) << mode;
        EXPECT_TRUE(opened->isVisible());
        EXPECT_EQ(opened->windowTitle(), caption);
    }
    EXPECT_EQ(hookTargets.find("Tokui_mas"), nullptr) << "the released partner master detached";
    EXPECT_EQ(messages.shown, QStringList()) << messages.shown.join('\n').toStdString();
}

TEST_F(MainWindowTest, TheReceiptAndPaymentScreensOpenFromGroupTwo) {
    start();
    for (const auto& [command, mode, caption] : {std::tuple{"btnMS1", "Nyukin", "入金伝表"},
                                                 {"btnMS2", "RepNyukin", "入金一覧表"},
                                                 {"btnMS5", "HaraiInp", "下払伝票"},
                                                 {"btnMS6", "RepHarai", "支払一覧"},
                                                 {"btnMS7", "SelSime2", "締日選択"}}) {
        choose(2, command);
        EXPECT_EQ(state.EditPName, mode);
        QWidget* opened = screen(mode);
        ASSERT_NE(opened, nullptr) << mode;
        EXPECT_TRUE(opened->isVisible());
        EXPECT_EQ(opened->windowTitle(), caption);
    }
    EXPECT_EQ(messages.shown, QStringList()) << messages.shown.join('\n').toStdString();
}

// Each entry keeps its own setting date from one opening to the next.
TEST_F(MainWindowTest, TheReceiptAndPaymentSettingDatesAreKeptApart) {
    start();
    const auto dateBar = [this](const QString& mode) {
        QWidget* entry = screen(mode);
        QString boxes;
        for (const char* box : {"EditH1", "EditH2", "EditH3"})
            boxes += entry->findChild<QLineEdit*>(box)->text();
        return boxes;
    };
    choose(2, "btnMS1");
    QWidget* receipts = screen("Nyukin");
    ASSERT_TRUE(showActive(*receipts));
    for (const char* part : {"24", "03", "15"}) {
        type(part);
        press(Qt::Key_Return);
    }
    choose(2, "btnMS5");
    EXPECT_EQ(dateBar("HaraiInp"), "");
    choose(2, "btnMS1");
    EXPECT_EQ(dateBar("Nyukin"), "240315");
}

TEST_F(MainWindowTest, TheInvoiceDialogOpensFromGroupThree) {
    messages.answers = {false};  // the list of every month-end customer
    start();
    choose(3, "btnMS1");  // 請求書作成
    EXPECT_EQ(state.EditPName, "SelSeikyu");
    QWidget* opened = screen("SelSeikyu");
    ASSERT_NE(opened, nullptr);
    EXPECT_TRUE(opened->isVisible());
    EXPECT_EQ(opened->windowTitle(), "請求印刷選択");
    EXPECT_EQ(messages.shown,
              QStringList{"question:範囲指定:当該月の売上のある得意先のみ表示しますか？"});
}

// One dialog for the month-based reports, shaped by the command's report.
TEST_F(MainWindowTest, TheMonthlyReportCommandsOpenTheirShapedDialog) {
    start();
    for (const auto& [group, command, mode, range, third] :
         {std::tuple{5, "btnMS1", "QR_TK_SM", "得意ｺｰﾄﾞ", false},
          {3, "btnMS2", "QR_UriBKS", "得意ｺｰﾄﾞ", true},
          {4, "btnMS4", "QR_INS_SM", "取引先ｺｰﾄﾞ", false},
          {5, "btnMS7", "QR_Eki_Tan", "担当者ｺｰﾄﾞ", false},
          {3, "btnMS5", "QR_KakeSir", "傭車先ｺｰﾄﾞ", true}}) {
        SCOPED_TRACE(mode);
        choose(group, command);
        EXPECT_EQ(state.EditPName, QString::fromLatin1(mode));
        QWidget* dialog = screen("MonthlyPrint");
        ASSERT_NE(dialog, nullptr);
        EXPECT_TRUE(dialog->isVisible());
        EXPECT_EQ(dialog->findChild<QLabel*>("LabelRange")->text(), QString::fromUtf8(range));
        EXPECT_EQ(dialog->findChild<QWidget*>("EditChoice")->isVisible(), third);
    }
}

TEST_F(MainWindowTest, ClosingTheMainWindowReleasesTheOpenScreensAndEndsTheRun) {
    start();
    choose(8, "btnMS1");
    QPointer<QWidget> partners = screen("Tokui_mas");
    QSignalSpy closed(window.get(), &MainWindow::closed);
    button("btnClose")->click();
    EXPECT_EQ(closed.count(), 1);
    EXPECT_TRUE(partners.isNull());
    EXPECT_EQ(button("btnClose")->text(), "終　了");
}

}  // namespace
}  // namespace vantir::test
