#include <gtest/gtest.h>

#include "platform/dataset/TableDataset.h"
#include "platform/db/Connection.h"
#include "platform/db/Statement.h"
#include "platform/db/TransactionGuard.h"
#include "slips/rules/DispatchListRules.h"
#include "support/DataModuleTest.h"
#include "support/QtPrinters.h"
#include "support/Seed.h"

namespace vantir::test {
namespace {

using Kind = DispatchListRules::SearchKind;

// The list over slips of May 2026 and around it, from two customers and one carrier; one
// old slip keeps its number right-aligned with spaces in front, as numbers were once keyed.
class DispatchListRulesTest : public DataModuleTest {
  protected:
    void SetUp() override {
        seedRows(dm1.database(), "HIMAS3",
                 {{{"KCODE", "000012"}, {"KNAME", "丸山運送"}, {"YCODE", "000012"}},
                  {{"KCODE", "100004"}, {"KNAME", "北星物流"}, {"YCODE", "100004"}}});
        seedRows(dm1.database(), "HITRAN1",
                 {{{"CODE", "1"}, {"HYMD", "26/05/01"}, {"KCODE", "000012"}, {"SHBAN", "1234"}},
                  {{"CODE", "2"}, {"HYMD", "26/05/31"}, {"KCODE", "000012"}, {"SHBAN", "55"}},
                  {{"CODE", "3"}, {"HYMD", "26/06/01"}, {"KCODE", "000012"}},
                  {{"CODE", "4"}, {"HYMD", "26/04/30"}, {"YCODE", "100004"}},
                  {{"CODE", "55"}, {"HYMD", "25/01/10"}, {"KCODE", "000034"}},
                  {{"CODE", "    77"}, {"HYMD", "24/12/01"}},
                  {{"CODE", "1234"}, {"HYMD", "26/05/10"}, {"YCODE", "100004"}}});
        rules.open();
    }
    QStringList listed() const {
        TableDataset& slips = rules.slips();
        QStringList codes;
        for (int row = 0; row < slips.recordCount(); ++row)
            codes << slips.valueAt(row, slips.fieldIndex("CODE")).toString();
        return codes;
    }
    // The search as the list runs it: the value left first, then "検索実行" over May.
    void search(Kind kind, const QString& value) {
        const DispatchListRules::SearchValue left = rules.searchValueLeft(kind, value);
        rules.search(kind, QDate(2026, 5, 1), QDate(2026, 5, 31), left.value);
    }
    void moveTo(int row) { ASSERT_TRUE(rules.slips().moveTo(row)); }
    QString stored(const QString& code, const char* column) {
        return dm1.database()
            .connection()
            .scalar(QStringLiteral("SELECT %1 FROM HITRAN1 WHERE CODE = '%2'")
                        .arg(QLatin1String(column), code))
            .toString();
    }

    QString receiptDate;
    DispatchListRules rules{dm1, receiptDate};
};

struct RangeCase {
    QDate today;
    QDate from;
    QDate to;
};

class OpeningRangeTest : public ::testing::TestWithParam<RangeCase> {};

TEST_P(OpeningRangeTest, IsThePreviousCalendarMonth) {
    const DispatchListRules::Range range = DispatchListRules::openingRange(GetParam().today);
    EXPECT_EQ(range.from, GetParam().from);
    EXPECT_EQ(range.to, GetParam().to);
}

INSTANTIATE_TEST_SUITE_P(Months, OpeningRangeTest,
                         ::testing::Values(RangeCase{{2026, 6, 15}, {2026, 5, 1}, {2026, 5, 31}},
                                           RangeCase{{2026, 1, 1}, {2025, 12, 1}, {2025, 12, 31}},
                                           RangeCase{{2024, 3, 31}, {2024, 2, 1}, {2024, 2, 29}}));

// Opened, the list shows every slip in the text order of the numbers, whatever the range
// says, until the first search.
TEST_F(DispatchListRulesTest, OpensOnEverySlipInNumberOrder) {
    rules.slips().replaceFilter("CODE = '1'");  // left by someone else
    rules.close();
    rules.open();
    EXPECT_EQ(listed(), (QStringList{"    77", "1", "1234", "2", "3", "4", "55"}));
}

struct SearchCase {
    const char* name;
    Kind kind;
    const char* value;
    const char* filledValue;
    const char* partnerName;
    QStringList codes;
};

void PrintTo(const SearchCase& c, std::ostream* out) { *out << c.name; }

class DispatchListSearchTest : public DispatchListRulesTest,
                               public ::testing::WithParamInterface<SearchCase> {};

TEST_P(DispatchListSearchTest, NarrowsTheList) {
    const SearchCase& c = GetParam();
    const DispatchListRules::SearchValue left =
        rules.searchValueLeft(c.kind, QString::fromUtf8(c.value));
    EXPECT_EQ(left.value, QString::fromUtf8(c.filledValue));
    EXPECT_EQ(left.name, QString::fromUtf8(c.partnerName));
    search(c.kind, QString::fromUtf8(c.value));
    EXPECT_EQ(listed(), c.codes);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, DispatchListSearchTest,
    ::testing::Values(
        SearchCase{"CustomerZeroFilled", Kind::Customer, "12", "000012", "丸山運送", {"1", "2"}},
        SearchCase{
            "CustomerEmptyValueListsTheRange", Kind::Customer, "", "", "", {"1", "1234", "2"}},
        SearchCase{"CustomerUnknown", Kind::Customer, "99", "000099", "", {}},
        SearchCase{"CustomerOneCharacterAsTyped", Kind::Customer, "7", "7", "", {}},
        SearchCase{"Carrier", Kind::Carrier, "100004", "100004", "北星物流", {"1234"}},
        SearchCase{"VehicleNotZeroFilled", Kind::Vehicle, "55", "55", "", {"2"}},
        SearchCase{"SlipNumberWhateverTheRange", Kind::SlipNumber, "55", "55", "", {"55"}},
        SearchCase{"SlipNumberKeptWithSpaces", Kind::SlipNumber, "77", "77", "", {"    77"}},
        SearchCase{"SlipNumberWithALeadingZero", Kind::SlipNumber, "01234", "01234", "", {}},
        SearchCase{
            "SlipNumberEmptyValueListsTheRange", Kind::SlipNumber, "", "", "", {"1", "1234", "2"}},
        SearchCase{"QuotesStayInTheValue", Kind::Vehicle, "' OR '1'='1", "' OR '1'='1", "", {}}),
    [](const auto& info) { return std::string(info.param.name); });

// "初期化" brings every slip back; the next search narrows again.
TEST_F(DispatchListRulesTest, ResetListsEverySlipAgain) {
    search(Kind::Customer, "12");
    rules.reset();
    EXPECT_EQ(listed().size(), 7);
    search(Kind::Vehicle, "1234");
    EXPECT_EQ(listed(), QStringList{"1"});
}

// A date typed into one slip's CHKDAY is written into every CHKDAY entered after it,
// whatever that held, until the user leaves one empty.
TEST_F(DispatchListRulesTest, TheReceiptDateRepeatsUntilLeftEmpty) {
    ASSERT_TRUE(rules.slips().setValue("CHKDAY", "20/01/01"));
    ASSERT_EQ(rules.slips().post().ok, true);
    moveTo(0);
    ASSERT_TRUE(rules.receiptDateEntered());  // nothing to repeat yet
    EXPECT_EQ(rules.slips().text("CHKDAY"), "20/01/01");
    ASSERT_TRUE(rules.slips().setValue("CHKDAY", "03/06/30"));
    rules.receiptDateLeft();
    EXPECT_EQ(receiptDate, "03/06/30");

    for (int row : {1, 2}) {
        moveTo(row);  // registers the slip before
        ASSERT_TRUE(rules.receiptDateEntered());
        rules.receiptDateLeft();
    }
    EXPECT_EQ(stored("    77", "CHKDAY"), "03/06/30");
    EXPECT_EQ(stored("1", "CHKDAY"), "03/06/30");
    EXPECT_EQ(rules.slips().text("CHKDAY"), "03/06/30");

    ASSERT_TRUE(rules.slips().setValue("CHKDAY", QString()));
    rules.receiptDateLeft();
    moveTo(3);
    ASSERT_TRUE(rules.receiptDateEntered());
    EXPECT_FALSE(rules.slips().isEditing());
    EXPECT_EQ(rules.slips().text("CHKDAY"), "");
    EXPECT_EQ(stored("1234", "CHKDAY"), "") << "the cleared date was registered";
}

// The memory belongs to the run: a list opened again with it goes on repeating.
TEST_F(DispatchListRulesTest, TheReceiptDateOutlivesTheList) {
    moveTo(0);
    ASSERT_TRUE(rules.slips().setValue("CHKDAY", "03/06/30"));
    rules.receiptDateLeft();
    ASSERT_TRUE(rules.registerPending());
    rules.close();

    DispatchListRules reopened(dm1, receiptDate);
    reopened.open();
    ASSERT_TRUE(reopened.slips().moveTo(1));
    ASSERT_TRUE(reopened.receiptDateEntered());
    EXPECT_EQ(reopened.slips().text("CHKDAY"), "03/06/30");
    EXPECT_TRUE(reopened.slips().isEditing());
}

// The list's current slip as the inquiry takes it: its stored number, nothing when the
// list is empty.
TEST_F(DispatchListRulesTest, CurrentCodeIsTheStoredNumber) {
    EXPECT_EQ(rules.currentCode(), "    77");
    search(Kind::SlipNumber, "999");
    EXPECT_EQ(rules.currentCode(), "");
}

// A year of slips: opening, searching a range and moving about read the row ids, never
// every slip's values.
TEST_F(DispatchListRulesTest, AYearOfSlipsIsNeverReadWhole) {
    {
        Connection& connection = dm1.database().connection();
        TransactionGuard guard(connection);
        Statement insert = connection.prepare(
            "INSERT INTO HITRAN1 (HYMD, CODE, KCODE) VALUES (:HYMD, :CODE, :KCODE)");
        for (int i = 0; i < 20000; ++i) {
            insert.bind("HYMD", QDate(2026, 1, 1).addDays(i % 365).toString("yy/MM/dd"));
            insert.bind("CODE", QString::number(10000 + i));
            insert.bind("KCODE", QStringLiteral("%1").arg(i % 300, 6, 10, QLatin1Char('0')));
            insert.step();
            insert.reset();
        }
        guard.commit();
    }
    rules.close();
    rules.open();
    TableDataset& slips = rules.slips();
    EXPECT_EQ(slips.recordCount(), 20007);
    EXPECT_EQ(slips.rowsFetched(), 0);
    search(Kind::Customer, "12");
    EXPECT_GT(slips.recordCount(), 2);
    EXPECT_EQ(slips.rowsFetched(), 0);
    search(Kind::Customer, "");
    slips.last();
    EXPECT_EQ(slips.text("HYMD"), "26/05/31");
    EXPECT_LE(slips.rowsFetched(), 32);
}

}  // namespace
}  // namespace vantir::test
