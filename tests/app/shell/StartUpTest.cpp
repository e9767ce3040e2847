#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <optional>

#include "app/shell/StartUp.h"
#include "data/DatabaseFiles.h"
#include "data/FreshDatabase.h"
#include "platform/db/Connection.h"
#include "platform/db/EngineLibrary.h"
#include "platform/system/Registry.h"
#include "platform/text/Cp932.h"
#include "support/ScriptedMessages.h"
#include "support/TestProgramDir.h"

namespace vantir::test {
namespace {

const QString kInternational = QStringLiteral("\\Control Panel\\International");
const QString kOwnOfficeMissing = QStringLiteral("notice:自営業所設定を行って下さい。");

QByteArray bytesOf(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

qint64 count(const QString& database, const QString& table) {
    Connection connection;
    connection.open(database, /*create=*/false);
    return connection.scalar(QStringLiteral("SELECT COUNT(*) FROM ") + table).toLongLong();
}

void execute(const QString& database, const QString& statement) {
    Connection connection;
    connection.open(database, /*create=*/false);
    connection.execute(statement);
}

// A program directory with a main database and no working copy yet, a registry file of
// its own, and the own-office file in place unless a test takes it away.
class StartUpTest : public ::testing::Test {
  protected:
    void SetUp() override {
        QFile::remove(dir.workingCopy());
        writeOwnOffice(QByteArray("02\r\n") + cp932::encode(QStringLiteral("大阪営業所")) + "\r\n");
    }

    void writeOwnOffice(const QByteArray& bytes) {
        writeBytes(dir.filePath("VantirTenSet.ini"), bytes);
    }
    QString registryPath() const { return registryDir.filePath(QStringLiteral("registry.ini")); }

    TestProgramDir dir;
    QTemporaryDir registryDir;
    Registry registry{registryPath()};
    ScriptedMessages messages;
};

TEST_F(StartUpTest, FirstStartRegistersTheWorkingCopyAndMakesIt) {
    StartUp startUp(dir.path(), registry, messages);
    ASSERT_TRUE(startUp.run()) << messages.shown.join('\n').toStdString();
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();

    const QString dataSources = QStringLiteral("\\Software\\ODBC\\ODBC.INI\\ODBC Data Sources");
    const QString source = QStringLiteral("\\Software\\ODBC\\ODBC.INI\\VANTIRX");
    const QString jet = QStringLiteral("\\Software\\ODBC\\ODBC.INI\\VANTIRX\\Engines\\Jet");
    EXPECT_EQ(registry.readString(dataSources, "VANTIRX"),
              QStringLiteral("Microsoft Access Driver (*.mdb)"));
    EXPECT_EQ(registry.readString(source, "DBQ"), QDir::toNativeSeparators(dir.workingCopy()));
    EXPECT_EQ(registry.readString(source, "Driver"), engineLibraryFile());
    EXPECT_TRUE(QFileInfo(*registry.readString(source, "Driver")).isFile());
    EXPECT_EQ(registry.readInteger(source, "DriverId"), 25);
    EXPECT_EQ(registry.readString(source, "FIL"), QStringLiteral("Ms Access;"));
    EXPECT_EQ(registry.readInteger(source, "SafeTransactions"), 0);
    EXPECT_EQ(registry.readString(source, "UID"), QString());
    EXPECT_EQ(registry.readString(jet, "ImplicitCommitSync"), QString());
    EXPECT_EQ(registry.readInteger(jet, "MaxBufferSize"), 2048);
    EXPECT_EQ(registry.readInteger(jet, "PageTimeout"), 5);
    EXPECT_EQ(registry.readInteger(jet, "Threads"), 3);
    EXPECT_EQ(registry.readString(jet, "UserCommitSync"), QStringLiteral("Yes"));

    EXPECT_EQ(startUp.mainDatabasePath(), dir.mainDatabase());
    EXPECT_EQ(startUp.workingCopyPath(), dir.workingCopy());
    EXPECT_EQ(count(dir.workingCopy(), "FLG_DATA"), 7);
    EXPECT_TRUE(startUp.upgradeCompleted());
    EXPECT_EQ(startUp.office().code, QStringLiteral("02"));
    EXPECT_EQ(startUp.office().name, QStringLiteral("大阪営業所"));
    EXPECT_EQ(registry.readString(kInternational, "sShortDate"), QStringLiteral("yy/MM/dd"));
}

TEST_F(StartUpTest, SecondStartWritesNoDataSourceAndReplacesTheWorkingCopy) {
    {
        StartUp first(dir.path(), registry, messages);
        ASSERT_TRUE(first.run());
        first.shutDown();
    }
    // Something the user changed in the registry, and a result the last run left in the
    // working copy.
    const QString source = QStringLiteral("\\Software\\ODBC\\ODBC.INI\\VANTIRX");
    registry.writeInteger(source, "DriverId", 99);
    execute(dir.workingCopy(), "INSERT INTO HIMAS33 (KCODE) VALUES ('000001')");
    execute(dir.mainDatabase(), "INSERT INTO HIMAS1 (TENCOD, TENMEI) VALUES ('01', '本社')");

    StartUp second(dir.path(), registry, messages);
    ASSERT_TRUE(second.run());
    EXPECT_EQ(registry.readInteger(source, "DriverId"), 99);
    EXPECT_EQ(count(dir.workingCopy(), "HIMAS33"), 0);
    EXPECT_EQ(count(dir.workingCopy(), "HIMAS1"), 1);
}

TEST_F(StartUpTest, TheUpgradeRunsBeforeTheWorkingCopyIsTaken) {
    execute(dir.mainDatabase(), "DROP TABLE HIMAS32");
    StartUp startUp(dir.path(), registry, messages);
    ASSERT_TRUE(startUp.run());
    Connection workingCopy;
    workingCopy.open(dir.workingCopy(), /*create=*/false);
    EXPECT_TRUE(workingCopy.tableExists("HIMAS32"));
}

TEST_F(StartUpTest, AnUpgradeErrorIsShownAndTheStartGoesOnWithoutTheShowStep) {
    execute(dir.mainDatabase(), "DROP TABLE FLG_DATA");
    StartUp startUp(dir.path(), registry, messages);
    ASSERT_TRUE(startUp.run());
    EXPECT_FALSE(startUp.upgradeCompleted());
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].startsWith("error:")) << messages.shown[0].toStdString();
    EXPECT_TRUE(QFileInfo::exists(dir.workingCopy()));
}

TEST_F(StartUpTest, AMissingOwnOfficeFileIsMadeWithOfficeOneAndAnnounced) {
    QFile::remove(dir.filePath("VantirTenSet.ini"));
    StartUp startUp(dir.path(), registry, messages);
    ASSERT_TRUE(startUp.run());
    EXPECT_EQ(messages.shown, QStringList{kOwnOfficeMissing});
    EXPECT_EQ(bytesOf(dir.filePath("VantirTenSet.ini")), QByteArray("01\r\n\r\n"));
    EXPECT_EQ(startUp.office().code, QString());
    EXPECT_EQ(startUp.office().name, QString());
}

TEST_F(StartUpTest, TheRegionalFormatsGoBackOnClose) {
    registry.createKey(kInternational);
    registry.writeString(kInternational, "sShortDate", "yyyy/MM/dd");
    StartUp startUp(dir.path(), registry, messages);
    ASSERT_TRUE(startUp.run());
    EXPECT_EQ(registry.readString(kInternational, "sShortDate"), QStringLiteral("yy/MM/dd"));
    EXPECT_EQ(registry.readString(kInternational, "sTimeFormat"), QStringLiteral("HH:mm:ss"));
    EXPECT_EQ(registry.readString(kInternational, "sShortTime"), QStringLiteral("HH:mm"));
    startUp.shutDown();
    EXPECT_EQ(registry.readString(kInternational, "sShortDate"), QStringLiteral("yyyy/MM/dd"));
    EXPECT_EQ(registry.readString(kInternational, "sTimeFormat"), std::nullopt);
}

TEST_F(StartUpTest, ASecondProgramOnTheSameDirectoryIsRefused) {
    StartUp first(dir.path(), registry, messages);
    ASSERT_TRUE(first.run());
    const QByteArray workingCopy = bytesOf(dir.workingCopy());

    ScriptedMessages secondMessages;
    StartUp second(dir.path(), registry, secondMessages);
    EXPECT_FALSE(second.run());
    ASSERT_EQ(secondMessages.shown.size(), 1);
    EXPECT_TRUE(secondMessages.shown[0].contains("既に起動しています"))
        << secondMessages.shown[0].toStdString();
    EXPECT_EQ(bytesOf(dir.workingCopy()), workingCopy);
}

TEST_F(StartUpTest, ADamagedMainDatabaseEndsTheProgramWithEveryFileAsItWas) {
    writeBytes(dir.mainDatabase(),
               QByteArray("this is not a database, but someone's books", 43).repeated(200));
    writeBytes(dir.workingCopy(), "previous working copy");
    QFile::remove(dir.filePath("VantirTenSet.ini"));

    StartUp startUp(dir.path(), registry, messages);
    EXPECT_FALSE(startUp.run());
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].startsWith("notice:データベースを開けません。"))
        << messages.shown[0].toStdString();
    EXPECT_TRUE(messages.shown[0].contains(QDir::toNativeSeparators(dir.mainDatabase())));
    EXPECT_EQ(bytesOf(dir.mainDatabase()).left(43),
              QByteArray("this is not a database, but someone's books"));
    EXPECT_EQ(bytesOf(dir.workingCopy()), QByteArray("previous working copy"));
    EXPECT_FALSE(QFile::exists(dir.filePath("VantirTenSet.ini")));
    EXPECT_FALSE(QFile::exists(registryPath()));
}

TEST_F(StartUpTest, AProgramDirectoryThatIsNotThereIsReported) {
    StartUp startUp(dir.filePath("missing"), registry, messages);
    EXPECT_FALSE(startUp.run());
    ASSERT_EQ(messages.shown.size(), 1);
    EXPECT_TRUE(messages.shown[0].startsWith("notice:プログラムフォルダが見つかりません。"));
}

// Where the main database lies decides which database the program works with and which
// working copies a start refreshes.
struct LocationCase {
    const char* name;
    bool inDataBase;  // DataBase/VANTIR.mdb
    bool older;       // VANTIR.mdb directly in the program directory
    const char* expectedMain;
    QStringList refreshedCopies;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const LocationCase& c, std::ostream* os) { *os << c.name; }

class DatabaseLocationTest : public ::testing::TestWithParam<LocationCase> {};

TEST_P(DatabaseLocationTest, FindsOrMakesTheMainDatabaseAndRefreshesEachWorkingCopy) {
    const LocationCase& c = GetParam();
    TestProgramDir dir(TestProgramDir::Content::Empty);
    QTemporaryDir registryDir;
    Registry registry(registryDir.filePath("registry.ini"));
    ScriptedMessages messages;
    const QString older = dir.filePath("VANTIR.mdb");
    if (c.inDataBase) {
        ASSERT_TRUE(FreshDatabase::createFile(dir.mainDatabase()));
    }
    if (c.older) {
        ASSERT_TRUE(FreshDatabase::createFile(older));
        execute(older, "INSERT INTO HIMAS1 (TENCOD) VALUES ('09')");
    }

    StartUp startUp(dir.path(), registry, messages);
    ASSERT_TRUE(startUp.run());
    EXPECT_EQ(startUp.mainDatabasePath(), dir.filePath(c.expectedMain));
    EXPECT_TRUE(QFileInfo::exists(startUp.mainDatabasePath()));
    for (const QString& copy : c.refreshedCopies) {
        EXPECT_TRUE(QFileInfo::exists(dir.filePath(copy))) << copy.toStdString();
    }
    // Each working copy is taken from the main database beside it.
    if (c.older) {
        EXPECT_EQ(count(dir.filePath("VANTIRX.mdb"), "HIMAS1"), 1);
    }
    if (c.inDataBase) {
        EXPECT_EQ(count(dir.workingCopy(), "HIMAS1"), 0);
    }
    EXPECT_EQ(messages.shown, QStringList{kOwnOfficeMissing});
}

INSTANTIATE_TEST_SUITE_P(
    Locations, DatabaseLocationTest,
    ::testing::Values(
        LocationCase{"NoneAnywhereMakesAFreshOne",
                     false,
                     false,
                     "DataBase/VANTIR.mdb",
                     {"DataBase/VANTIRX.mdb"}},
        LocationCase{
            "DataBaseFolder", true, false, "DataBase/VANTIR.mdb", {"DataBase/VANTIRX.mdb"}},
        LocationCase{"OlderPlaceOnly", false, true, "VANTIR.mdb", {"VANTIRX.mdb"}},
        LocationCase{
            "Both", true, true, "DataBase/VANTIR.mdb", {"DataBase/VANTIRX.mdb", "VANTIRX.mdb"}}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace vantir::test
