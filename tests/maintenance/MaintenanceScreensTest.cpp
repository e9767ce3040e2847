#include <QCheckBox>
#include <QComboBox>
#include <QDateEdit>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>

#include "maintenance/rules/DataSourceRegistration.h"
#include "maintenance/screens/CompactionScreen.h"
#include "maintenance/screens/DataSwitchScreen.h"
#include "maintenance/screens/InitializationScreen.h"
#include "maintenance/screens/PasswordDialog.h"
#include "maintenance/screens/YearEndPurgeDialog.h"
#include "platform/system/Registry.h"
#include "support/FixedToday.h"
#include "support/ShownScreenTest.h"

namespace vantir::test {
namespace {

class MaintenanceScreensTest : public ShownScreenTest {
  protected:
    QTemporaryDir registryDir;
    QString registryPath() const { return registryDir.filePath("registry.ini"); }
};

TEST_F(MaintenanceScreensTest, ThePasswordOpensTheInitializationScreenOnlyInItsTwoForms) {
    const struct {
        const char* password;
        bool opens;
    } cases[] = {{"zobel", true}, {"ZOBEL", true}, {"Zobel", false}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.password);
        messages.shown.clear();
        InitializationScreen initialization(dm1.database(), messages);
        show(std::make_unique<PasswordDialog>(&initialization, messages));
        widget<QLineEdit>("Password")->setText(c.password);
        widget<QPushButton>("OKBtn")->click();
        EXPECT_FALSE(screen->isVisible());
        EXPECT_EQ(initialization.isVisible(), c.opens);
        EXPECT_EQ(messages.shown, c.opens ? QStringList{} : QStringList{"notice:パスワードが違います。"});
        screen.reset();
    }
}

TEST_F(MaintenanceScreensTest, InitializationStartsThreeMonthsBackAndCutsSlipsByTheDate) {
    FixedToday today("2003-08-20");
    seedRows(dm1.database(), "HITRAN1",
             {{{"CODE", "000001"}, {"DDAY", "03/05/31"}}, {{"CODE", "000002"}, {"DDAY", "03/06/01"}}});
    show(std::make_unique<InitializationScreen>(dm1.database(), messages));
    EXPECT_EQ(widget<QDateEdit>("DateTimePicker1")->date(), QDate(2003, 5, 31));
    widget<QCheckBox>("CheckBox1")->setChecked(true);
    messages.answers = {false, true};
    widget<QPushButton>("btnHITRAN1")->click();  // No: nothing happens
    EXPECT_EQ(stored("SELECT COUNT(*) FROM HITRAN1").toInt(), 2);
    widget<QPushButton>("btnHITRAN1")->click();
    EXPECT_EQ(stored("SELECT CODE FROM HITRAN1").toString(), "000002");
    EXPECT_EQ(messages.shown, (QStringList{"question:初期化:データを削除してよろしいですか？",
                                           "question:初期化:データを削除してよろしいですか？"}));
}

TEST_F(MaintenanceScreensTest, CompactionBeforeChoosingReportsThenTheChosenFileCompacts) {
    auto* compaction = new CompactionScreen(dir.path(), messages);
    show(std::unique_ptr<QWidget>(compaction));
    widget<QPushButton>("btnCompact")->click();
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].startsWith("error:"));

    QString askedFolder;
    compaction->setFileChooser([&](const QString& folder, const QString&) {
        askedFolder = folder;
        return dir.mainDatabase();
    });
    widget<QPushButton>("btnSelect")->click();
    EXPECT_EQ(QDir(askedFolder), QDir(dir.filePath("DataBase")));
    widget<QPushButton>("btnCompact")->click();
    EXPECT_EQ(messages.shown.size(), 1) << messages.shown.join('\n').toStdString();
}

TEST_F(MaintenanceScreensTest, DataSwitchListsTheSourcesAndSwitchesToTheChosenFile) {
    Registry registry(registryPath());
    DataSourceRegistration::write(registry, "Rinji2001", dir.filePath("DataBase/VANTIR2001.mdb"));
    seedRows(dm1.database(), "HITRAN1", {{{"CODE", "000009"}}});
    dm1.database().connection().snapshotTo(dir.filePath("DataBase/VANTIR2001.mdb"));

    auto* dataSwitch = new DataSwitchScreen(dir.path(), dm1, dm2, appState, registryPath(), messages);
    show(std::unique_ptr<QWidget>(dataSwitch));
    EXPECT_FALSE(widget<QPushButton>("btnChange")->isEnabled());
    widget<QPushButton>("btnSetting")->click();
    EXPECT_TRUE(widget<QPushButton>("btnChange")->isEnabled());
    auto* list = widget<QListWidget>("ListBox1");
    ASSERT_EQ(list->count(), 1);
    Q_EMIT list->itemClicked(list->item(0));
    EXPECT_EQ(widget<QLineEdit>("EditDSN")->text(), "Rinji2001");

    dataSwitch->setFileChooser(
        [&](const QString&, const QString&) { return dir.filePath("DataBase/VANTIR2001.mdb"); });
    widget<QPushButton>("btnChange")->click();
    EXPECT_FALSE(screen->isVisible());
    EXPECT_TRUE(appState.WorkingCopyIsArchive);
    EXPECT_EQ(appState.EditS1, "Rinji2001");
    EXPECT_EQ(rowsOf(dm2.database().connection(), "SELECT CODE FROM HITRAN1"), QStringList{"000009"});
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
}

TEST_F(MaintenanceScreensTest, PurgeDialogPresetsTwoYearsBackAndDecember) {
    FixedToday today("2003-08-20");
    show(std::make_unique<YearEndPurgeDialog>(dir.path(), dm1.database(), registryPath(), messages));
    EXPECT_EQ(widget<QComboBox>("cmbYY")->currentText(), "2001");
    EXPECT_EQ(widget<QComboBox>("cmbYY")->count(), 4);
    EXPECT_EQ(widget<QComboBox>("cmbMM")->currentText(), "12");
    seedRows(dm1.database(), "HITRAN1", {{{"CODE", "000001"}, {"DDAY", "01/12/31"}}});
    messages.answers = {false, true};
    widget<QPushButton>("btnRun")->click();
    EXPECT_EQ(stored("SELECT COUNT(*) FROM HITRAN1").toInt(), 0);
}

}  // namespace
}  // namespace vantir::test
