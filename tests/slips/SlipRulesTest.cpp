#include <gtest/gtest.h>

#include "platform/dataset/TableDataset.h"
#include "slips/rules/SlipRules.h"
#include "support/DataModuleTest.h"
#include "support/QtPrinters.h"
#include "support/ScriptedMessages.h"
#include "support/Seed.h"

namespace vantir::test {
namespace {

// The slip rules of the entry (unless a test takes the correction's) over one customer,
// one carrier and one staff member, with an appended slip dated by the set date.
class SlipRulesTest : public DataModuleTest {
  protected:
    void SetUp() override {
        seedRows(dm1.database(), "HIMAS3",
                 {{{"KCODE", "000012"}, {"KNAME", "丸山運送"}, {"YCODE", "000012"}},
                  {{"KCODE", "000034"}, {"KNAME", "北斗物流"}, {"YCODE", "000034"}}});
        seedRows(dm1.database(), "HIMAS2", {{{"TANCOD", "01"}, {"TANMEI", "山田"}}});
        slips().open();
    }
    TableDataset& slips() { return dm1.table("HITRAN1"); }
    SlipRules& appended(SlipRules& rules) {
        rules.setSetDate(QStringLiteral("03/05/20"));
        rules.appendSlip();
        return rules;
    }
    void set(const char* column, const QVariant& value) {
        ASSERT_TRUE(slips().setValue(QString::fromLatin1(column), value));
    }
    QString text(const char* column) { return slips().text(QString::fromLatin1(column)); }
    // A whole slip as the remembered fields need it on the first slip.
    void fillRemembered() {
        for (const char* column : {"KCODE", "HATTI", "THTTI", "TON", "YCODE", "TANCOD", "BIKO"})
            set(column, QStringLiteral("1"));
        set("HATTI", QStringLiteral("東京"));
    }

    ScriptedMessages messages;
    SlipRules entry{dm1.table("HITRAN1"), dm1, SlipFormDescription::entry(), messages};
    SlipRules correction{dm1.table("HITRAN1"), dm1, SlipFormDescription::correction(), messages};
};

// Entering the dates of a new slip fills the set date; a date already there stays, and
// the correction has no default.
TEST_F(SlipRulesTest, DatesDefaultToTheSetDate) {
    appended(entry);
    ASSERT_TRUE(entry.dateEntered("HYMD"));
    set("THYMD", QStringLiteral("03/05/22"));
    ASSERT_TRUE(entry.dateEntered("THYMD"));
    EXPECT_EQ(text("HYMD"), "03/05/20");
    EXPECT_EQ(text("THYMD"), "03/05/22");
    slips().cancel();
    appended(correction);
    ASSERT_TRUE(correction.dateEntered("HYMD"));
    EXPECT_TRUE(slips().isNull("HYMD"));
}

// Stored numbers as they are found in old files, and the number a new slip gets.
struct NumberingCase {
    const char* name;
    QStringList stored;
    const char* proposed;
};
void PrintTo(const NumberingCase& c, std::ostream* os) { *os << c.name; }

class NumberingTest : public SlipRulesTest, public ::testing::WithParamInterface<NumberingCase> {};

TEST_P(NumberingTest, NewSlipTakesTheGreatestNumberPlusOne) {
    QList<SeedRow> rows;
    for (const QString& code : GetParam().stored) rows << SeedRow{{"CODE", code}};
    seedRows(dm1.database(), "HITRAN1", rows);
    slips().refresh();
    appended(entry);
    ASSERT_TRUE(entry.codeEntered());
    EXPECT_EQ(text("CODE"), QString::fromUtf8(GetParam().proposed));
    set("CODE", QStringLiteral("500"));  // typed over; entering again keeps it
    ASSERT_TRUE(entry.codeEntered());
    EXPECT_EQ(text("CODE"), "500");
}

INSTANTIATE_TEST_SUITE_P(SlipEntry, NumberingTest,
                         ::testing::Values(NumberingCase{"NumericallyNotAsText", {"9", "10"}, "11"},
                                           NumberingCase{"FullWidthSpace", {"　123", "99"}, "124"},
                                           NumberingCase{"EmptyTable", {}, "1"}),
                         [](const auto& info) { return std::string(info.param.name); });

// Leaving the billing kind: empty is normal billing by the dispatch date; "1" bills by
// the unloading date, overwriting a date typed by hand.
TEST_F(SlipRulesTest, BillingDateFollowsTheBillingKind) {
    appended(entry);
    set("HYMD", QStringLiteral("03/05/20"));
    set("THYMD", QStringLiteral("03/05/22"));
    ASSERT_TRUE(entry.billingKindLeft());
    EXPECT_EQ(text("SEKBN"), "0");
    EXPECT_EQ(text("DDAY"), "03/05/20");
    set("SEKBN", QStringLiteral("1"));
    set("DDAY", QStringLiteral("03/06/01"));
    ASSERT_TRUE(entry.billingKindLeft());
    EXPECT_EQ(text("DDAY"), "03/05/22");
}

// On the first slip an empty remembered field keeps the cursor; once a slip is
// registered it repeats that slip's value. The correction accepts it empty.
TEST_F(SlipRulesTest, RememberedFieldsRepeatThePreviousSlip) {
    appended(entry);
    for (const char* column : {"HATTI", "THTTI", "TON", "BIKO"})
        EXPECT_TRUE(entry.rememberedLeft(column).stays()) << column;
    EXPECT_TRUE(entry.customerCodeLeft().stays());
    EXPECT_TRUE(entry.carrierCodeLeft().stays());
    EXPECT_TRUE(entry.staffCodeLeft().stays());
    EXPECT_FALSE(correction.rememberedLeft("HATTI").stays());
    EXPECT_TRUE(messages.shown.isEmpty());

    fillRemembered();
    set("KCODE", QStringLiteral("000012"));
    ASSERT_TRUE(entry.registerSlip());
    appended(entry);
    EXPECT_FALSE(entry.rememberedLeft("HATTI").stays());
    EXPECT_EQ(text("HATTI"), "東京");
    EXPECT_FALSE(entry.customerCodeLeft().stays());
    EXPECT_EQ(text("KCODE"), "000012");
    EXPECT_EQ(text("KNAME"), "丸山運送");
    set("THTTI", QStringLiteral("大阪"));  // typed: not replaced
    EXPECT_FALSE(entry.rememberedLeft("THTTI").stays());
    EXPECT_EQ(text("THTTI"), "大阪");
}

// Leaving a partner code: two to five characters are zero-filled, the name comes from
// the partner master, a code no partner has clears it; one character stays as typed.
struct PartnerCodeCase {
    const char* name;
    const char* codeColumn;
    const char* nameColumn;
    const char* typed;
    const char* stored;
    const char* partnerName;
};
void PrintTo(const PartnerCodeCase& c, std::ostream* os) { *os << c.name; }

class PartnerCodeTest : public SlipRulesTest,
                        public ::testing::WithParamInterface<PartnerCodeCase> {};

TEST_P(PartnerCodeTest, IsFilledAndNamed) {
    const PartnerCodeCase& c = GetParam();
    appended(entry);
    set(c.nameColumn, QStringLiteral("手入力"));
    set(c.codeColumn, QString::fromUtf8(c.typed));
    const bool customer = QLatin1String(c.codeColumn) == QLatin1String("KCODE");
    const Leave left = customer ? entry.customerCodeLeft() : entry.carrierCodeLeft();
    EXPECT_FALSE(left.stays());
    EXPECT_EQ(text(c.codeColumn), QString::fromUtf8(c.stored));
    EXPECT_EQ(text(c.nameColumn), QString::fromUtf8(c.partnerName));
}

INSTANTIATE_TEST_SUITE_P(
    SlipEntry, PartnerCodeTest,
    ::testing::Values(
        PartnerCodeCase{"CustomerFilled", "KCODE", "KNAME", "12", "000012", "丸山運送"},
        PartnerCodeCase{"CustomerOneCharacter", "KCODE", "KNAME", "7", "7", ""},
        PartnerCodeCase{"CustomerUnknown", "KCODE", "KNAME", "99", "000099", ""},
        PartnerCodeCase{"CarrierFilled", "YCODE", "YNAME", "34", "000034", "北斗物流"},
        PartnerCodeCase{"CarrierUnknown", "YCODE", "YNAME", "abc", "000abc", ""}),
    [](const auto& info) { return std::string(info.param.name); });

// The staff name follows every change of the code; a code no one has leaves it.
TEST_F(SlipRulesTest, StaffNameFollowsTheCode) {
    appended(entry);
    set("TANCOD", QStringLiteral("0"));
    EXPECT_TRUE(slips().isNull("TANMEI"));
    set("TANCOD", QStringLiteral("01"));
    EXPECT_EQ(text("TANMEI"), "山田");
    set("TANCOD", QStringLiteral("02"));
    EXPECT_EQ(text("TANMEI"), "山田");
    EXPECT_FALSE(entry.staffCodeLeft().stays());
}

// Amounts left empty become 0 on the entry; the sales amount gets no default and the
// correction none at all.
TEST_F(SlipRulesTest, EmptyAmountsBecomeZero) {
    appended(entry);
    for (const char* column : {"YKING", "SKING", "UHIYO", "INKING", "INSKING"}) {
        ASSERT_TRUE(entry.amountLeft(column));
        EXPECT_EQ(slips().value(column), QVariant(qint64(0))) << column;
    }
    ASSERT_TRUE(entry.amountLeft("UKING"));
    slips().cancel();
    appended(correction);
    ASSERT_TRUE(correction.amountLeft("YKING"));
    EXPECT_TRUE(slips().isNull("YKING"));
}

// The carrier total on leaving SHIYO and on registering, for the entry and the
// correction: fee, costs and total as typed (-2 for NULL), and the total stored.
struct CarrierTotalCase {
    const char* name;
    bool entry;
    bool registering;
    qint64 fee;
    qint64 cost;
    qint64 total;
    qint64 stored;
};
void PrintTo(const CarrierTotalCase& c, std::ostream* os) { *os << c.name; }

class CarrierTotalTest : public SlipRulesTest,
                         public ::testing::WithParamInterface<CarrierTotalCase> {};

TEST_P(CarrierTotalTest, IsFeePlusCosts) {
    const CarrierTotalCase& c = GetParam();
    SlipRules& rules = appended(c.entry ? entry : correction);
    fillRemembered();
    set("YKING", c.fee);
    if (c.cost != -2) set("SHIYO", c.cost);
    if (c.total != -2) set("SKING", c.total);
    ASSERT_TRUE(c.registering ? rules.registerSlip() : rules.purchaseCostLeft());
    EXPECT_EQ(slips().value("SKING"), QVariant(qint64(c.stored)));
}

INSTANTIATE_TEST_SUITE_P(
    SlipEntry, CarrierTotalTest,
    ::testing::Values(CarrierTotalCase{"LeftEmpty", true, false, 30000, 2000, -2, 32000},
                      CarrierTotalCase{"LeftZero", true, false, 30000, 2000, 0, 32000},
                      CarrierTotalCase{"LeftNoCosts", true, false, 30000, -2, -2, 30000},
                      CarrierTotalCase{"HandTypedStays", true, false, 30000, 2000, 35000, 35000},
                      CarrierTotalCase{"RegisterNegative", true, true, 30000, 2000, -1, 32000},
                      CarrierTotalCase{"RegisterZeroStays", true, true, 30000, 2000, 0, 0},
                      CarrierTotalCase{"CorrectionZero", false, true, 30000, 2000, 0, 32000},
                      CarrierTotalCase{"CorrectionLeftEmpty", false, false, 30000, -2, -2, 30000}),
    [](const auto& info) { return std::string(info.param.name); });

// A post the database refuses is told with the database's own message; the slip stays
// being edited and the memory holds it already.
TEST_F(SlipRulesTest, RefusedPostKeepsTheSlip) {
    dm1.database().connection().execute(
        QStringLiteral("CREATE TRIGGER refuse BEFORE INSERT ON HITRAN1 BEGIN SELECT RAISE(ABORT, "
                       "'ディスクが一杯です'); END"));
    appended(entry);
    fillRemembered();
    const Result posted = entry.registerSlip();
    EXPECT_FALSE(posted);
    EXPECT_TRUE(posted.message.contains(QStringLiteral("ディスクが一杯です")))
        << posted.message.toStdString();
    EXPECT_EQ(slips().state(), DatasetState::Insert);
    EXPECT_EQ(text("HATTI"), "東京");
    EXPECT_EQ(entry.previousSlip().value("HATTI"), "東京");
    EXPECT_FALSE(entry.closeRefusal());
}

// Delete asks first; No keeps the slip.
TEST_F(SlipRulesTest, DeleteAsksFirst) {
    seedRows(dm1.database(), "HITRAN1", {{{"CODE", "1"}}});
    slips().refresh();
    slips().first();
    messages.answers = {false, true};
    ASSERT_TRUE(entry.deleteSlip());
    EXPECT_EQ(slips().recordCount(), 1);
    ASSERT_TRUE(entry.deleteSlip());
    EXPECT_EQ(slips().recordCount(), 0);
    EXPECT_EQ(messages.shown,
              QStringList(2, QStringLiteral("question:削除:削除してよろしいですか？")));
}

// A code handed back by a search starts editing the slip shown.
TEST_F(SlipRulesTest, HandedBackCodeIsWritten) {
    seedRows(dm1.database(), "HITRAN1", {{{"CODE", "1"}}});
    slips().refresh();
    slips().first();
    ASSERT_TRUE(entry.codeHandedBack("YCODE", QStringLiteral("34")));
    EXPECT_EQ(slips().state(), DatasetState::Edit);
    EXPECT_EQ(text("YCODE"), "34");
}

}  // namespace
}  // namespace vantir::test
