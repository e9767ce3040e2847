#include "DatasetFixture.h"
#include "platform/dataset/TableDataset.h"
#include "platform/db/DbError.h"
#include "platform/db/TransactionGuard.h"

namespace vantir::test {
namespace {

class DatasetNavigationTest : public DatasetFixture {
  protected:
    DatasetNavigationTest() {
        // Stored out of every order the tests ask for.
        addSlip("03/05/21", "30", "000012", "ヤマト運輸", 3000);
        addSlip("03/05/20", "20", "000013", "佐藤商事", 2000);
        addSlip("03/05/20", "10", "000012", "ヤマダ運送", 1000);
        addSlip("03/06/02", "40", "000014", "O'Hara", 100);
        addSlip("03/05/31", "9", "000012", {}, {});
    }

    TableDataset slips{database, QStringLiteral("HITRAN1"), QStringLiteral("HITRAN1")};
};

TEST_F(DatasetNavigationTest, WalksTheRowsWithBofAndEof) {
    slips.open();
    EXPECT_TRUE(slips.bof());
    EXPECT_FALSE(slips.eof());
    QStringList walked;
    for (slips.first(); !slips.eof(); slips.next()) walked << slips.text("CODE");
    EXPECT_EQ(walked, QStringList({"30", "20", "10", "40", "9"}));  // as stored
    EXPECT_EQ(slips.recNo(), 4);

    slips.prior();
    EXPECT_FALSE(slips.eof());
    EXPECT_EQ(slips.text("CODE"), QStringLiteral("40"));
    slips.first();
    slips.prior();
    EXPECT_TRUE(slips.bof());
    EXPECT_EQ(slips.recNo(), 0);
    slips.last();
    EXPECT_TRUE(slips.eof());
    EXPECT_EQ(slips.text("CODE"), QStringLiteral("9"));

    EXPECT_TRUE(slips.moveTo(1));
    EXPECT_EQ(slips.text("CODE"), QStringLiteral("20"));
    EXPECT_FALSE(slips.moveTo(5));
    EXPECT_EQ(slips.recNo(), 1);
}

TEST_F(DatasetNavigationTest, AnEmptyTableIsAtBothEnds) {
    execute(QStringLiteral("DELETE FROM HITRAN1"));
    slips.open();
    EXPECT_TRUE(slips.isEmpty());
    EXPECT_TRUE(slips.bof());
    EXPECT_TRUE(slips.eof());
    EXPECT_EQ(slips.recNo(), -1);
    slips.next();
    slips.last();
    EXPECT_EQ(slips.recNo(), -1);
    EXPECT_TRUE(slips.value("CODE").isNull());
}

struct OrderCase {
    const char* index;
    QStringList codes;
};
void PrintTo(const OrderCase& c, std::ostream* os) {
    *os << caseName(QString::fromLatin1(c.index));
}

class IndexOrderTest : public DatasetNavigationTest,
                       public ::testing::WithParamInterface<OrderCase> {};

TEST_P(IndexOrderTest, OrdersTheRowsByTheIndexColumns) {
    slips.setIndexFieldNames(QString::fromLatin1(GetParam().index));
    slips.open();
    EXPECT_EQ(columnOf(slips, "CODE"), GetParam().codes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, IndexOrderTest,
    ::testing::Values(OrderCase{"", {"30", "20", "10", "40", "9"}},
                      OrderCase{"CODE", {"10", "20", "30", "40", "9"}},  // text order
                      OrderCase{"HYMD;CODE", {"10", "20", "30", "9", "40"}},
                      OrderCase{"kcode; code", {"10", "30", "9", "20", "40"}},
                      OrderCase{"KNAME", {"9", "40", "10", "30", "20"}}));  // NULL first

TEST_F(DatasetNavigationTest, ReorderingKeepsTheCurrentRecord) {
    slips.open();
    ASSERT_TRUE(slips.locate("CODE", "20"));
    slips.setIndexFieldNames(QStringLiteral("CODE"));
    EXPECT_EQ(slips.text("CODE"), QStringLiteral("20"));
    EXPECT_EQ(slips.recNo(), 1);

    EXPECT_THROW(slips.setIndexFieldNames(QStringLiteral("NOSUCH")), DbError);
    EXPECT_EQ(slips.indexFieldNames(), QStringLiteral("CODE"));
    EXPECT_TRUE(slips.isOpen());
    EXPECT_EQ(columnOf(slips, "CODE"), QStringList({"10", "20", "30", "40", "9"}));
}

struct LocateCase {
    QStringList columns;
    QVariantList values;
    const char* found;  // the CODE located, nullptr when none
};
void PrintTo(const LocateCase& c, std::ostream* os) {
    *os << caseName(c.columns.join(QLatin1Char('_')));
}

class LocateTest : public DatasetNavigationTest,
                   public ::testing::WithParamInterface<LocateCase> {};

TEST_P(LocateTest, MovesToTheFirstMatchingRowInOrder) {
    const LocateCase& c = GetParam();
    slips.setIndexFieldNames(QStringLiteral("CODE"));
    slips.open();
    slips.last();
    const bool found = slips.locate(c.columns, c.values);
    ASSERT_EQ(found, c.found != nullptr);
    EXPECT_EQ(slips.text("CODE"), QString::fromLatin1(c.found ? c.found : "9"));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, LocateTest,
    ::testing::Values(LocateCase{{"KCODE"}, {"000012"}, "10"},
                      LocateCase{{"kcode", "HYMD"}, {"000012", "03/05/21"}, "30"},
                      LocateCase{{"KNAME"}, {QVariant()}, "9"},     // NULL matches NULL
                      LocateCase{{"KNAME"}, {QString()}, nullptr},  // text, even empty, is not NULL
                      LocateCase{{"UKING"}, {"2000"}, "20"},  // text against an integer column
                      LocateCase{{"UKING"}, {qint64(100)}, "40"},
                      LocateCase{{"KNAME"}, {"O'Hara"}, "40"},
                      LocateCase{{"KCODE"}, {"12"}, nullptr},  // text compared exactly
                      LocateCase{{"KCODE", "HYMD"}, {"000013", "03/05/21"}, nullptr}));

struct FilterCase {
    const char* expression;
    QStringList codes;
};
void PrintTo(const FilterCase& c, std::ostream* os) {
    *os << caseName(QString::fromUtf8(c.expression));
}

class FilterTest : public DatasetNavigationTest,
                   public ::testing::WithParamInterface<FilterCase> {};

TEST_P(FilterTest, ShowsOnlyTheRowsTheExpressionAccepts) {
    slips.setIndexFieldNames(QStringLiteral("CODE"));
    slips.setFilter(QString::fromUtf8(GetParam().expression));
    slips.setFiltered(true);
    slips.open();
    EXPECT_EQ(columnOf(slips, "CODE"), GetParam().codes);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, FilterTest,
    ::testing::Values(
        FilterCase{"KCODE = '000012'", {"10", "30", "9"}},
        FilterCase{"hymd = '03/05/20'", {"10", "20"}}, FilterCase{"code = '40'", {"40"}},
        FilterCase{"KCODE = '000012' AND (DDAY >= '03/05/01' AND DDAY <= '03/05/21')",
                   {"10", "30"}},
        FilterCase{"HYMD >= '03/05/20' And HYMD <= '03/05/31' And KCODE = '000012'",
                   {"10", "30", "9"}},
        FilterCase{"KNAME = 'ヤマ*'", {"10", "30"}}, FilterCase{"KNAME = 'ヤマダ*'", {"10"}},
        FilterCase{"KNAME <> 'ヤマ*'", {"20", "40"}},  // NULL is neither
        FilterCase{"KNAME = 'ヤマ'", {}},              // no star: exact
        FilterCase{"KNAME = 'O''Hara'", {"40"}}, FilterCase{"UKING >= 2000", {"20", "30"}},
        FilterCase{"UKING < 1000.5 OR UKING = NULL", {"10", "40", "9"}},
        FilterCase{"NOT (KCODE = '000012') AND KNAME IS NOT NULL", {"20", "40"}},
        FilterCase{"KCODE = '000013' OR KCODE = '000014'", {"20", "40"}},
        FilterCase{"(KCODE = '000012' OR KCODE = '000013') AND NOT HYMD = '03/05/20'", {"30", "9"}},
        FilterCase{"KCODE = '''); DROP TABLE HITRAN1; --'", {}},
        FilterCase{"   ", {"10", "20", "30", "40", "9"}}));

TEST_F(DatasetNavigationTest, FilterTextAndSwitchAreSeparate) {
    slips.setIndexFieldNames(QStringLiteral("CODE"));
    slips.open();
    EventLog log(slips);

    slips.setFilter(QStringLiteral("HYMD = '03/05/20'"));  // not yet in force
    EXPECT_EQ(slips.recordCount(), 5);
    EXPECT_TRUE(log.take().isEmpty());

    slips.last();
    slips.setFiltered(true);
    EXPECT_EQ(columnOf(slips, "CODE"), QStringList({"10", "20"}));
    EXPECT_EQ(slips.recNo(), 0);  // a new filter starts at the first row
    EXPECT_EQ(log.take(), QStringList({"afterScroll", "rowsChanged", "afterScroll"}));

    // The screens clear and switch off, set the new text, and switch on again.
    slips.setFilter(QString());
    EXPECT_EQ(slips.recordCount(), 5);
    slips.setFiltered(false);
    slips.setFilter(QStringLiteral("CODE = '30'"));
    EXPECT_EQ(slips.recordCount(), 5);
    slips.setFiltered(true);
    EXPECT_EQ(columnOf(slips, "CODE"), QStringList({"30"}));
    EXPECT_EQ(slips.filter(), QStringLiteral("CODE = '30'"));

    slips.close();  // the filter stays with the view
    slips.open();
    EXPECT_EQ(columnOf(slips, "CODE"), QStringList({"30"}));
    slips.setFiltered(false);
    EXPECT_EQ(slips.recordCount(), 5);
}

// A new filter in force with one reading of the rows, whether a filter was in force or
// not, and again for the same text; a text it cannot read keeps the filter.
TEST_F(DatasetNavigationTest, ReplacedFilterReadsTheRowsOnce) {
    slips.setIndexFieldNames(QStringLiteral("CODE"));
    slips.open();
    slips.setFilter(QStringLiteral("CODE = '30'"));  // set aside, not in force
    for (const char* day : {"03/05/20", "03/05/21", "03/05/21"}) {
        const quint64 before = slips.generation();
        slips.replaceFilter(QStringLiteral("HYMD = '%1'").arg(QLatin1String(day)));
        EXPECT_EQ(slips.generation(), before + 1) << day;
        EXPECT_TRUE(slips.isFiltered());
    }
    EXPECT_EQ(columnOf(slips, "CODE"), QStringList({"30"}));
    EXPECT_THROW(slips.replaceFilter(QStringLiteral("NOSUCH = '1'")), DbError);
    EXPECT_EQ(slips.filter(), QStringLiteral("HYMD = '03/05/21'"));
    EXPECT_EQ(columnOf(slips, "CODE"), QStringList({"30"}));
}

struct BadFilterCase {
    const char* expression;
    const char* message;
};
void PrintTo(const BadFilterCase& c, std::ostream* os) {
    *os << caseName(QString::fromUtf8(c.expression));
}

class BadFilterTest : public DatasetNavigationTest,
                      public ::testing::WithParamInterface<BadFilterCase> {};

TEST_P(BadFilterTest, IsRefusedWithAClearMessageKeepingTheFilterInForce) {
    slips.setFilter(QStringLiteral("KCODE = '000012'"));
    slips.setFiltered(true);
    slips.open();
    try {
        slips.setFilter(QString::fromUtf8(GetParam().expression));
        FAIL() << "accepted";
    } catch (const DbError& e) {
        EXPECT_EQ(e.message(), QString::fromUtf8(GetParam().message));
    }
    EXPECT_EQ(slips.filter(), QStringLiteral("KCODE = '000012'"));
    EXPECT_EQ(slips.recordCount(), 3);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadFilterTest,
    ::testing::Values(
        BadFilterCase{
            "KCODE = 'abc",
            "フィルタ \"KCODE = 'abc\" を読めません（9 文字目）: 引用符 ' が閉じていません"},
        BadFilterCase{"KCODE = 'a' AND (DDAY >= 'b'",
                      "フィルタ \"KCODE = 'a' AND (DDAY >= 'b'\" を読めません（29 文字目）: "
                      "閉じ括弧 ) がありません"},
        BadFilterCase{"KCODE 'a'",
                      "フィルタ \"KCODE 'a'\" を読めません（7 文字目）: "
                      "比較の演算子 (=, <>, <, <=, >, >=) がありません"},
        BadFilterCase{"KCODE = ",
                      "フィルタ \"KCODE = \" を読めません（9 文字目）: "
                      "項目名、'文字列' または数値が必要です"},
        BadFilterCase{"KCODE = 'a' 'b'",
                      "フィルタ \"KCODE = 'a' 'b'\" を読めません（13 文字目）: "
                      "式の後に余分な ''b'' があります"},
        BadFilterCase{"KCODE # 'a'",
                      "フィルタ \"KCODE # 'a'\" を読めません（7 文字目）: '#' は読めない文字です"},
        BadFilterCase{"KCODE < NULL",
                      "フィルタ \"KCODE < NULL\" を読めません（9 文字目）: "
                      "NULL と比べられるのは = と <> だけです"},
        BadFilterCase{"NOSUCH = 'a'",
                      "フィルタ \"NOSUCH = 'a'\" の項目 'NOSUCH' が見つかりません"}));

TEST_F(DatasetNavigationTest, UnknownColumnIsRefusedWhenTheFilterComesIntoForce) {
    slips.open();
    slips.setFilter(QStringLiteral("NOSUCH = 'a'"));  // not in force: not yet checked
    EXPECT_THROW(slips.setFiltered(true), DbError);
    EXPECT_FALSE(slips.isFiltered());
    EXPECT_EQ(slips.recordCount(), 5);

    slips.close();
    slips.setFiltered(true);
    EXPECT_THROW(slips.open(), DbError);
    EXPECT_FALSE(slips.isOpen());
}

TEST_F(DatasetNavigationTest, RefreshShowsChangesMadeElsewhereKeepingTheRecord) {
    slips.setIndexFieldNames(QStringLiteral("CODE"));
    slips.open();
    ASSERT_TRUE(slips.locate("CODE", "30"));
    addSlip("03/05/20", "05", "000015");
    execute(QStringLiteral("UPDATE HITRAN1 SET KNAME = '変更' WHERE CODE = '30'"));
    slips.refresh();
    EXPECT_EQ(slips.recordCount(), 6);
    EXPECT_EQ(slips.text("CODE"), QStringLiteral("30"));
    EXPECT_EQ(slips.text("KNAME"), QStringLiteral("変更"));
}

// A large table opens and reaches its last row reading only the rows it shows.
TEST_F(DatasetNavigationTest, LargeTableReadsOnlyTheRowsItShows) {
    constexpr int kRows = 50000;
    {
        Connection& connection = database.connection();
        TransactionGuard guard(connection);
        Statement insert = connection.prepare(QStringLiteral(
            "INSERT INTO HITRAN1 (HYMD, CODE, KCODE) VALUES (:HYMD, :CODE, :KCODE)"));
        for (int i = 0; i < kRows; ++i) {
            insert.bind(QStringLiteral("HYMD"), QStringLiteral("03/%1/%2")
                                                    .arg(1 + i % 12, 2, 10, QLatin1Char('0'))
                                                    .arg(1 + i % 28, 2, 10, QLatin1Char('0')));
            insert.bind(QStringLiteral("CODE"), QString::number(100000 + i));
            insert.bind(QStringLiteral("KCODE"),
                        QStringLiteral("%1").arg(i % 500, 6, 10, QLatin1Char('0')));
            insert.step();
            insert.reset();
        }
        guard.commit();
    }
    const int total = kRows + 5;

    for (const char* index : {"", "HYMD;CODE"}) {
        SCOPED_TRACE(index);
        slips.close();
        slips.setFiltered(false);
        slips.setIndexFieldNames(QString::fromLatin1(index));
        slips.open();
        EXPECT_EQ(slips.recordCount(), total);
        EXPECT_EQ(slips.rowsFetched(), 0);

        slips.last();
        EXPECT_FALSE(slips.text("CODE").isEmpty());
        EXPECT_LE(slips.rowsFetched(), 32);

        int walked = 0;
        for (slips.first(); !slips.eof() && walked < 100; slips.next(), ++walked) {
            EXPECT_FALSE(slips.text("HYMD").isEmpty());
        }
        EXPECT_LE(slips.rowsFetched(), 32 + 128);

        slips.setFilter(QStringLiteral("HYMD = '03/05/05'"));
        slips.setFiltered(true);
        int sameDay = 0;  // month 1 + i % 12 and day 1 + i % 28 repeat every 84 rows
        for (int i = 0; i < kRows; ++i) sameDay += i % 84 == 4 ? 1 : 0;
        EXPECT_EQ(slips.recordCount(), sameDay);
        EXPECT_EQ(slips.rowsFetched(), 0);
    }
}

}  // namespace
}  // namespace vantir::test
