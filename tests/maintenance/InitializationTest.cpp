#include <gtest/gtest.h>

#include <QDir>

#include "maintenance/rules/Initialization.h"
#include "maintenance/rules/InitializationTable.h"
#include "platform/db/Database.h"
#include "support/Seed.h"
#include "support/TestProgramDir.h"

namespace vantir::test {
namespace {

const InitializationTable& tableOf(const QString& name) {
    for (const InitializationTable& table : InitializationTable::all()) {
        if (table.table == name) return table;
    }
    throw std::out_of_range(name.toStdString());
}

TEST(InitializationPassword, AcceptsOnlyTheAllLowerAndAllUpperForms) {
    const struct {
        const char* text;
        bool accepted;
    } cases[] = {{"zobel", true}, {"ZOBEL", true},  {"Zobel", false},  {"zoBEL", false},
                 {"", false},     {"zobel ", false}, {"zobell", false}};
    for (const auto& c : cases)
        EXPECT_EQ(Initialization::passwordAccepted(QString::fromUtf8(c.text)), c.accepted) << c.text;
}

TEST(InitializationPresetDate, IsTheLastDayOfTheMonthThreeMonthsBack) {
    EXPECT_EQ(Initialization::presetDate(QDate(2003, 8, 20)), QDate(2003, 5, 31));
    EXPECT_EQ(Initialization::presetDate(QDate(2004, 1, 1)), QDate(2003, 10, 31));
    EXPECT_EQ(Initialization::presetDate(QDate(2004, 5, 31)), QDate(2004, 2, 29));
}

// Rows on both sides of 03/05/31 in every table the screen empties.
class InitializationTest : public ::testing::Test {
  protected:
    void SetUp() override {
        for (const InitializationTable& table : InitializationTable::all()) {
            const QStringList columns = main.connection().columnNames(table.table);
            const QString dayColumn = columns.contains("DDAY") ? QStringLiteral("DDAY") : columns.first();
            QList<SeedRow> rows;
            for (const char* day : {"03/05/30", "03/05/31", "03/06/01"}) rows << SeedRow{{dayColumn, day}};
            seedRows(main, table.table, rows);
        }
    }
    qint64 countOf(const QString& table) {
        return main.connection().scalar("SELECT COUNT(*) FROM " + table).toLongLong();
    }

    TestProgramDir dir;
    Database main{QStringLiteral("VANTIR"), dir.mainDatabase()};
    Initialization initialization{main};
};

TEST_F(InitializationTest, TheDateCutsSlipTablesAndNeverTheMasters) {
    for (const InitializationTable& table : InitializationTable::all()) {
        SCOPED_TRACE(table.table.toStdString());
        ASSERT_TRUE(initialization.clear(table, /*useDate=*/true, QDate(2003, 5, 31)));
        if (table.dateBound) {
            EXPECT_EQ(rowsOf(main.connection(), "SELECT DDAY FROM " + table.table),
                      QStringList{"03/06/01"});
        } else {
            EXPECT_EQ(countOf(table.table), 0);
        }
    }
}

TEST_F(InitializationTest, WithoutTheDateASlipTableIsEmptied) {
    ASSERT_TRUE(initialization.clear(tableOf("HITRAN1"), /*useDate=*/false, QDate(2003, 5, 31)));
    EXPECT_EQ(countOf("HITRAN1"), 0);
    EXPECT_EQ(countOf("HITRAN2"), 3);
}

TEST_F(InitializationTest, TheFirstDeletionKeepsACopyOfTheDatabaseAsItWas) {
    seedRows(main, "HIMAS3", {{{"KCODE", "000001"}, {"KNAME", "丸山運送"}}});
    ASSERT_TRUE(initialization.clear(tableOf("HIMAS3"), false, {}));
    const QString copy = initialization.safetyCopy();
    ASSERT_FALSE(copy.isEmpty());
    EXPECT_EQ(QFileInfo(copy).dir().absolutePath(), QFileInfo(dir.mainDatabase()).dir().absolutePath());
    EXPECT_TRUE(QFileInfo(copy).fileName().startsWith("VANTIR_")) << copy.toStdString();
    EXPECT_TRUE(copy.endsWith(".mdb"));
    Database kept(QStringLiteral("copy"), copy);
    EXPECT_EQ(rowsOf(kept.connection(), "SELECT KNAME FROM HIMAS3 WHERE KCODE = '000001'"),
              QStringList{"丸山運送"});

    // Later deletions while the screen is open keep that one copy.
    ASSERT_TRUE(initialization.clear(tableOf("HIMAS1"), false, {}));
    EXPECT_EQ(initialization.safetyCopy(), copy);
    EXPECT_EQ(QDir(QFileInfo(copy).dir()).entryList({"VANTIR_*"}).size(), 1);
}

TEST_F(InitializationTest, NoCopyNoDeletion) {
    // A write under way elsewhere: no consistent copy can be taken now.
    main.connection().begin();
    const Result cleared = initialization.clear(tableOf("HIMAS3"), false, {});
    EXPECT_FALSE(cleared);
    EXPECT_TRUE(cleared.message.startsWith("控えのデータベースを作成できないため")) << cleared.message.toStdString();
    EXPECT_EQ(countOf("HIMAS3"), 3);
    main.connection().rollback();
    EXPECT_TRUE(initialization.safetyCopy().isEmpty());
}

TEST_F(InitializationTest, ColumnUpgradeStopsAtTheFirstColumnThatExists) {
    // HITRAN1 and HITRAN3 of an older layout, HITRAN2 already upgraded.
    for (const char* table : {"HITRAN1", "HITRAN3"}) {
        for (const char* column : {"SHOZEI", "ZKING", "GKING"})
            main.connection().execute(QStringLiteral("ALTER TABLE %1 DROP COLUMN %2").arg(table, column));
    }
    const Result upgraded = initialization.upgradeColumns();
    EXPECT_FALSE(upgraded);
    EXPECT_TRUE(upgraded.message.contains("SHOZEI")) << upgraded.message.toStdString();
    EXPECT_EQ(main.connection().columnNames("HITRAN1").mid(26),
              (QStringList{"SHOZEI", "ZKING", "GKING"}));
    EXPECT_FALSE(main.connection().columnNames("HITRAN3").contains("SHOZEI"));
}

}  // namespace
}  // namespace vantir::test
