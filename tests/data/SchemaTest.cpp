#include <gtest/gtest.h>

#include "data/Schema.h"
#include "platform/db/Connection.h"
#include "support/TestProgramDir.h"

namespace vantir::test {
namespace {

// The layouts as the business defines them, written out column by column: "NAME:t8" is
// text of 8 bytes, "NAME:int", "NAME:small", "NAME:float" the numeric types.
const char kSlip[] =
    "HYMD:t8 THYMD:t8 CODE:t6 SEKBN:t1 DDAY:t8 KCODE:t6 KNAME:t30 HATTI:t20 THTTI:t20 TON:t4 "
    "UKING:int YCODE:t6 YNAME:t30 SHBAN:t4 YKING:int SKING:int BIKO:t20 UHIYO:int SHIYO:int "
    "TANCOD:t2 TANMEI:t20 INKING:int INSKING:int SUB1:t10 SUBM:t20 CHKDAY:t8 SHOZEI:int "
    "ZKING:int GKING:int";
const char kCashSlip[] =
    "HYMD:t8 THYMD:t8 CODE:t6 SEKBN:t1 DDAY:t8 KCODE:t6 KNAME:t30 HATTI:t20 THTTI:t20 TON:t4 "
    "UKING:int YCODE:t6 YNAME:t30 SHBAN:t4 YKING:int SKING:int BIKO:t20 UHIYO:int SHIYO:int "
    "TANCOD:t2 TANMEI:t20 INKING:int INSKING:int CHKDAY:t8 SUB1:t10 SUBM:t20 K_KBN:t1 "
    "SHOZEI:int ZKING:int GKING:int";
const char kLedger[] =
    "HYMD:t8 THYMD:t8 CODE:t6 SEKBN:t1 KCODE:t6 KNAME:t30 HATTI:t20 THTTI:t20 TON:t4 "
    "UKING:int YCODE:t6 YNAME:t30 SHBAN:t4 YKING:int SKING:int BIKO:t20 UHIYO:int SHIYO:int "
    "TANCOD:t2 TANMEI:t20 INKING:int INSKING:int SUB1:t10 DDAY:t8 SUBM:t20 CHKDAY:t8 "
    "SHOZEI:int ZKING:int GKING:int";
const char kPartnerTerms[] = " TENMEI:t20 SIME:t2 SAIT:t3 SIMEFLG:t1";
const char kAggregate2[] =
    "KCODE:t6 KNAME:t30 YCODE:t6 TENCOD:t2 SIME:t2 SAIT:t2 UKING:int SKING:int UHIYO:int "
    "SHIYO:int INKING:int INSKING:int HYMD:t8 SYMD:t8 SHYMD:t8 SIMEFLG:t1 NUKING:int "
    "HSKING:int URIZAN:int SIRZAN:int SHOZEI:int ZKING:int GKING:int";
const char kAggregate3[] =
    "KCODE:t6 KNAME:t30 YCODE:t6 TENCOD:t2 SIME:t2 SAIT:t3 UKING:int SKING:int UHIYO:int "
    "SHIYO:int INKING:int INSKING:int HYMD:t8 SYMD:t8 SHYMD:t8 SIMEFLG:t1 NUKING:int "
    "HSKING:int URIZAN:int SIRZAN:int SHOZEI:int ZKING:int GKING:int";

struct ExpectedTable {
    QString name;
    QString columns;
};

void PrintTo(const ExpectedTable& table, std::ostream* os) { *os << table.name.toStdString(); }

QList<ExpectedTable> expectedTables() {
    const QString slip = QString::fromLatin1(kSlip);
    const QString cash = QString::fromLatin1(kCashSlip);
    const QString terms = QString::fromLatin1(kPartnerTerms);
    return {
        {"HIMAS1", "TENCOD:t2 TENMEI:t20"},
        {"HIMAS2", "TANCOD:t2 TANMEI:t20"},
        {"HIMAS3",
         "KCODE:t6 KNAME:t30 YCODE:t6 KANAMEI:t20 TENCOD:t2 TENMEI:t20 KZIP:t8 KADD1:t40 "
         "KADD2:t20 KTEL:t12 KFAX:t12 SIME:t2 SAIT:t3 SIMEFLG:t1 BANK:t18 SITEN:t16 YKBUN:t1 "
         "KOZA:t8 URIZAN:int SIRZAN:int UKING:int SKING:int UHIYO:int SHIYO:int INKING:int "
         "INSKING:int HYMD:t8 SHYMD:t8 SYMD:t8 NUKING:int HSKING:int URISUB:int SIRSUB:int "
         "URI_FLG:int KY_KBN:t1"},
        {"HIMAS31", kAggregate2},
        {"HIMAS32", kAggregate3},
        {"HIMAS33", "HYMD:t8 KCODE:t6 KNAME:t30 YCODE:t6 URIZAN:int SIRZAN:int"},
        {"HIMASH31", kAggregate2},
        {"COP_DAT",
         "CODE:t1 CNAME:t40 CZIP:t8 CADD1:t40 CADD2:t30 CTEL:t13 CFAX:t13 CBANK:t50 CETC:t50 "
         "RPT_FLG:t1 RPT_FLG2:t1"},
        {"S_CONTROL", "CODE:t2 VSIM:t2 VSIT:t1 VYOT:t2 VKETU:t2 VTCD:t2 VPRN:t1 VHEN:t1 VSUB:t2"},
        {"SHOZEI", "CODE:small ZEIGAKU:small"},
        {"FLG_DATA", "FCODE:small GCODE:small GNAME:t10 FDATA:t2 FNAME:t20"},
        {"HITRAN1", slip},
        {"HITRAN2", cash},
        {"HITRAN3", cash},
        {"HITRANM", kLedger},
        {"HITRANS", slip},
        {"HITRAN11", slip},
        {"WK_SEIKYU", slip},
        {"WK_SEK_HED", slip},
        {"WK_SEIKYU2", slip},
        {"AZUKARI", "CODE:t4 HYMD:t8 KCODE:t6 KNAME:t20 AZ_FLG:t1 TKING:float KING:float BIKO:t50"},
        {"HWRK1", slip + terms},
        {"HWRK2", cash + terms},
        {"HWRK3", cash + terms},
        {"HWRK31", kAggregate3},
        {"HWRK32", kAggregate3},
    };
}

QString describe(const ColumnInfo& column) {
    switch (column.type) {
        case ColumnType::Text:
            return column.name + QStringLiteral(":t") + QString::number(column.width);
        case ColumnType::Int:
            return column.name + QStringLiteral(":int");
        case ColumnType::Small:
            return column.name + QStringLiteral(":small");
        case ColumnType::Float:
            return column.name + QStringLiteral(":float");
    }
    return {};
}

QString describe(const QList<ColumnInfo>& columns) {
    QStringList parts;
    for (const ColumnInfo& column : columns) parts.append(describe(column));
    return parts.join(QLatin1Char(' '));
}

TEST(SchemaTest, DeclaresExactlyTheTablesOfBothDatabases) {
    QStringList declared;
    for (const TableLayout& layout : Schema::tables()) declared.append(layout.name);
    QStringList expected;
    for (const ExpectedTable& table : expectedTables()) expected.append(table.name);
    EXPECT_EQ(declared, expected);
}

class TableLayoutTest : public ::testing::TestWithParam<ExpectedTable> {};

// The declared layout and the table a fresh database actually holds both match.
TEST_P(TableLayoutTest, DeclaredAndStoredLayoutMatchTheBusinessLayout) {
    static TestProgramDir dir;
    const ExpectedTable& expected = GetParam();
    const TableLayout* layout = Schema::find(expected.name);
    ASSERT_NE(layout, nullptr);
    EXPECT_EQ(describe(layout->columns), expected.columns);

    Connection connection;
    connection.open(dir.mainDatabase(), /*create=*/false);
    const QStringList names = connection.columnNames(expected.name);
    const QStringList types = connection.declaredTypes(expected.name);
    ASSERT_EQ(names.size(), types.size());
    QList<ColumnInfo> stored;
    for (qsizetype i = 0; i < names.size(); ++i)
        stored.append(columnInfoFromDeclaredType(names[i], types[i]));
    EXPECT_EQ(describe(stored), expected.columns);
}

INSTANTIATE_TEST_SUITE_P(EveryTable, TableLayoutTest, ::testing::ValuesIn(expectedTables()),
                         [](const auto& info) { return info.param.name.toStdString(); });

TEST(SchemaTest, FindsTablesWithoutRegardToCase) {
    ASSERT_NE(Schema::find(QStringLiteral("hitran1")), nullptr);
    EXPECT_EQ(Schema::find(QStringLiteral("hitran1"))->name, QStringLiteral("HITRAN1"));
    EXPECT_EQ(Schema::find(QStringLiteral("HIMAS_31")), nullptr);
    EXPECT_EQ(Schema::find(QStringLiteral("HIMAS3"))->column(QStringLiteral("sait"))->width, 3);
}

}  // namespace
}  // namespace vantir::test
