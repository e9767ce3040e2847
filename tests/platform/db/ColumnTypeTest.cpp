#include "TempDatabase.h"
#include "platform/db/ColumnType.h"

namespace vantir::test {
namespace {

class ColumnTypeTest : public TempDatabase {};

TEST_F(ColumnTypeTest, DeclaredTypesReadAsTypeAndWidth) {
    const struct {
        const char* declared;
        ColumnType type;
        int width;
    } cases[] = {
        {"VARCHAR(30)", ColumnType::Text, 30}, {"Char(2)", ColumnType::Text, 2},
        {"char(1)", ColumnType::Text, 1},      {"text(6)", ColumnType::Text, 6},
        {"VARCHAR", ColumnType::Text, 0},      {"TEXT", ColumnType::Text, 0},
        {"INT", ColumnType::Int, 0},           {"INTEGER", ColumnType::Int, 0},
        {"int", ColumnType::Int, 0},           {"LONG", ColumnType::Int, 0},
        {"SMALLINT", ColumnType::Small, 0},    {"small", ColumnType::Small, 0},
        {"float", ColumnType::Float, 0},       {"DOUBLE", ColumnType::Float, 0},
        {"REAL", ColumnType::Float, 0},        {"", ColumnType::Text, 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.declared);
        const ColumnInfo info =
            columnInfoFromDeclaredType(QStringLiteral("KNAME"), QString::fromUtf8(c.declared));
        EXPECT_EQ(info.name, QStringLiteral("KNAME"));
        EXPECT_EQ(info.type, c.type);
        EXPECT_EQ(info.width, c.width);
    }
}

// Each type this system creates reads back as itself and stores values with the right
// affinity: quoted numbers become numbers, text keeps its leading zeros.
TEST_F(ColumnTypeTest, CreatedTypesReadBackAndStoreTheirKindOfValue) {
    const struct {
        ColumnType type;
        int width;
        const char* declared;
        const char* stored;
        QVariant expected;
    } cases[] = {
        {ColumnType::Text, 6, "VARCHAR(6)", "'000123'", "000123"},
        {ColumnType::Text, 0, "VARCHAR", "123", "123"},
        {ColumnType::Int, 0, "INT", "'5000000000'", qint64(5'000'000'000)},
        {ColumnType::Small, 0, "SMALLINT", "'5'", qint64(5)},
        {ColumnType::Float, 0, "DOUBLE", "'1.5'", 1.5},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.declared);
        const QString declared = declaredTypeFor(c.type, c.width);
        EXPECT_EQ(declared, QString::fromUtf8(c.declared));
        const ColumnInfo back = columnInfoFromDeclaredType(QStringLiteral("A"), declared);
        EXPECT_EQ(back.type, c.type);
        EXPECT_EQ(back.width, c.width);

        db.execute(QStringLiteral("CREATE TABLE T (A %1)").arg(declared));
        db.execute(QStringLiteral("INSERT INTO T VALUES (%1)").arg(QString::fromUtf8(c.stored)));
        const QVariant value = db.scalar(QStringLiteral("SELECT A FROM T"));
        EXPECT_EQ(value, c.expected);
        EXPECT_EQ(value.typeId(), c.expected.typeId());
        db.execute(QStringLiteral("DROP TABLE T"));
    }
}

}  // namespace
}  // namespace vantir::test
