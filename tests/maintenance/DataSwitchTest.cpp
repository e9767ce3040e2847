#include <gtest/gtest.h>

#include <QDir>
#include <QFile>

#include "data/WorkingCopy.h"
#include "maintenance/rules/DataSourceRegistration.h"
#include "maintenance/rules/DataSwitch.h"
#include "platform/system/Registry.h"
#include "support/DataModuleTest.h"
#include "support/Seed.h"

namespace vantir::test {
namespace {

// The main database holds this year's slip; the 2001 archive beside it holds 2001's.
class DataSwitchTest : public DataModuleTest {
  protected:
    void SetUp() override {
        seedRows(dm1.database(), "HITRAN1", {{{"CODE", "000001"}, {"DDAY", "01/12/31"}}});
        dm1.database().connection().snapshotTo(archive());
        dm1.database().connection().execute("DELETE FROM HITRAN1");
        seedRows(dm1.database(), "HITRAN1", {{{"CODE", "000002"}, {"DDAY", "26/12/01"}}});
        ASSERT_TRUE(WorkingCopy::refresh(dm1, dm2));
    }
    QString archive() const { return QDir(dir.path()).filePath("DataBase/VANTIR2001.mdb"); }
    QStringList workingSlips() {
        return rowsOf(dm2.database().connection(), "SELECT CODE, DDAY FROM HITRAN1");
    }
    QStringList mainSlips() {
        return rowsOf(dm1.database().connection(), "SELECT CODE, DDAY FROM HITRAN1");
    }

    DataSwitch dataSwitch{dir.path(), dm1, dm2, appState};
};

TEST_F(DataSwitchTest, TheArchiveIsWhatTheWorkingCopyReadsUntilTheNextStart) {
    ASSERT_EQ(workingSlips(), QStringList{"000002|26/12/01"});
    const Result switched = dataSwitch.switchTo("Rinji2001", archive());
    ASSERT_TRUE(switched) << switched.message.toStdString();

    EXPECT_EQ(workingSlips(), QStringList{"000001|01/12/31"});
    EXPECT_EQ(mainSlips(), QStringList{"000002|26/12/01"});
    EXPECT_TRUE(appState.WorkingCopyIsArchive);
    EXPECT_EQ(appState.EditS1, "Rinji2001");
    EXPECT_TRUE(QFile::exists(archive()));

    // The next start takes a fresh working copy of the main database, with a fresh state.
    ASSERT_TRUE(WorkingCopy::refresh(dm1, dm2));
    EXPECT_EQ(workingSlips(), QStringList{"000002|26/12/01"});
    EXPECT_FALSE(AppState{}.WorkingCopyIsArchive);
}

TEST_F(DataSwitchTest, ACancelledDialogReconnectsAndChangesNothing) {
    const Result switched = dataSwitch.switchTo("VANTIRX", QString());
    EXPECT_TRUE(switched);
    EXPECT_TRUE(dm1.database().isConnected());
    EXPECT_TRUE(dm2.database().isConnected());
    EXPECT_EQ(workingSlips(), QStringList{"000002|26/12/01"});
    EXPECT_FALSE(appState.WorkingCopyIsArchive);
}

TEST_F(DataSwitchTest, AFileThatIsNoDatabaseLeavesTheWorkingCopyAsItWas) {
    QFile foreign(QDir(dir.path()).filePath("DataBase/memo.mdb"));
    ASSERT_TRUE(foreign.open(QIODevice::WriteOnly));
    foreign.write(QByteArray(4096, 'x'));
    foreign.close();

    const Result switched = dataSwitch.switchTo("Rinji2001", foreign.fileName());
    EXPECT_FALSE(switched);
    EXPECT_TRUE(switched.message.contains("not a database")) << switched.message.toStdString();
    EXPECT_EQ(workingSlips(), QStringList{"000002|26/12/01"});
    EXPECT_FALSE(appState.WorkingCopyIsArchive);
}

TEST_F(DataSwitchTest, ListsTheConfiguredDataSources) {
    QTemporaryDir registryDir;
    Registry registry(registryDir.filePath("registry.ini"));
    DataSourceRegistration::write(registry, "VANTIRX", dir.workingCopy());
    DataSourceRegistration::write(registry, "Rinji2001", archive());
    EXPECT_EQ(DataSwitch::dataSourceNames(registry), (QStringList{"VANTIRX", "Rinji2001"}));
}

}  // namespace
}  // namespace vantir::test
