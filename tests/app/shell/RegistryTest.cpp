#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <optional>

#include "platform/system/RegionalFormats.h"
#include "platform/system/Registry.h"

namespace vantir::test {
namespace {

const QString kInternational = QStringLiteral("\\Control Panel\\International");

class RegistryTest : public ::testing::Test {
  protected:
    QString path() const { return dir_.filePath(QStringLiteral("registry.ini")); }
    QTemporaryDir dir_;
};

TEST_F(RegistryTest, ValuesKeepTheirTypeAndTextAcrossReopening) {
    {
        Registry registry(path());
        ASSERT_TRUE(registry.createKey(QStringLiteral("\\Software\\ODBC\\ODBC.INI\\VANTIRX")));
        EXPECT_TRUE(registry.writeString(
            QStringLiteral("Software\\ODBC\\ODBC.INI\\VANTIRX"), QStringLiteral("DBQ"),
            QStringLiteral("C:\\Vantir \"x\"\\DataBase\\VANTIRX.mdb")));
        EXPECT_TRUE(registry.writeInteger(QStringLiteral("\\software\\odbc\\odbc.ini\\vantirx"),
                                          QStringLiteral("DriverId"), 25));
        EXPECT_TRUE(registry.writeString(QStringLiteral("\\Software\\ODBC\\ODBC.INI\\VANTIRX"),
                                         QStringLiteral("UID"), QString()));
    }
    const Registry reopened(path());
    const QString key = QStringLiteral("\\Software\\ODBC\\ODBC.INI\\VANTIRX");
    EXPECT_EQ(reopened.readString(key, QStringLiteral("dbq")),
              QStringLiteral("C:\\Vantir \"x\"\\DataBase\\VANTIRX.mdb"));
    EXPECT_EQ(reopened.readInteger(key, QStringLiteral("DriverId")), 25);
    EXPECT_EQ(reopened.valueType(key, QStringLiteral("DriverId")), Registry::Type::Integer);
    EXPECT_EQ(reopened.readString(key, QStringLiteral("UID")), QString());
    EXPECT_EQ(reopened.readString(key, QStringLiteral("DriverId")), std::nullopt);
}

TEST_F(RegistryTest, WritingNeedsAnOpenedKey) {
    Registry registry(path());
    EXPECT_FALSE(registry.writeString(kInternational, QStringLiteral("sShortDate"),
                                      QStringLiteral("yy/MM/dd")));
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(RegistryTest, AFileThatCannotBeReadIsNeverOverwritten) {
    // A directory in the file's place cannot be read as a file.
    ASSERT_TRUE(QDir().mkpath(path()));
    Registry registry(path());
    EXPECT_FALSE(registry.createKey(kInternational));
    EXPECT_FALSE(registry.keyExists(kInternational));
    RegionalFormats formats(registry);
    formats.force();  // skipped without a message
    formats.restore();
    EXPECT_TRUE(QFileInfo(path()).isDir());
}

// The regional values found at start, forced for the run, and what the user has again
// after the program closes.
struct RegionalCase {
    const char* name;
    std::optional<QString> shortDateAtStart;
};

// Names the case in test output instead of dumping its bytes.
void PrintTo(const RegionalCase& c, std::ostream* os) { *os << c.name; }

class RegionalFormatsTest : public RegistryTest,
                            public ::testing::WithParamInterface<RegionalCase> {};

TEST_P(RegionalFormatsTest, ForcedDuringTheRunAndPutBackOnClose) {
    const RegionalCase& c = GetParam();
    {
        Registry user(path());
        ASSERT_TRUE(user.createKey(kInternational));
        if (c.shortDateAtStart)
            user.writeString(kInternational, QStringLiteral("sShortDate"), *c.shortDateAtStart);
        user.writeString(kInternational, QStringLiteral("sTimeFormat"), QStringLiteral("H:mm:ss"));
        user.writeString(kInternational, QStringLiteral("sShortTime"), QStringLiteral("HH:mm"));
    }
    Registry registry(path());
    RegionalFormats formats(registry);
    formats.force();
    {
        const Registry during(path());
        EXPECT_EQ(during.readString(kInternational, QStringLiteral("sShortDate")),
                  QStringLiteral("yy/MM/dd"));
        EXPECT_EQ(during.readString(kInternational, QStringLiteral("sTimeFormat")),
                  QStringLiteral("HH:mm:ss"));
        EXPECT_EQ(during.readString(kInternational, QStringLiteral("sShortTime")),
                  QStringLiteral("HH:mm"));
    }
    formats.restore();
    const Registry after(path());
    EXPECT_EQ(after.readString(kInternational, QStringLiteral("sShortDate")), c.shortDateAtStart);
    EXPECT_EQ(after.readString(kInternational, QStringLiteral("sTimeFormat")),
              QStringLiteral("H:mm:ss"));
    EXPECT_EQ(after.readString(kInternational, QStringLiteral("sShortTime")),
              QStringLiteral("HH:mm"));
}

INSTANTIATE_TEST_SUITE_P(
    ShortDateAtStart, RegionalFormatsTest,
    ::testing::Values(RegionalCase{"FourDigitYear", QStringLiteral("yyyy/MM/dd")},
                      RegionalCase{"AlreadyRequired", QStringLiteral("yy/MM/dd")},
                      RegionalCase{"DayFirst", QStringLiteral("dd.MM.yyyy")},
                      RegionalCase{"Missing", std::nullopt}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(RegistryTest, AValueAlreadyRequiredAtStartIsNotWrittenOnClose) {
    {
        Registry user(path());
        user.createKey(kInternational);
        user.writeString(kInternational, QStringLiteral("sShortDate"), QStringLiteral("yy/MM/dd"));
    }
    Registry registry(path());
    RegionalFormats formats(registry);
    formats.force();
    // Another program changes it during the run; the close step leaves that change alone.
    {
        Registry other(path());
        other.writeString(kInternational, QStringLiteral("sShortDate"),
                          QStringLiteral("yyyy-MM-dd"));
    }
    formats.restore();
    EXPECT_EQ(Registry(path()).readString(kInternational, QStringLiteral("sShortDate")),
              QStringLiteral("yyyy-MM-dd"));
}

}  // namespace
}  // namespace vantir::test
