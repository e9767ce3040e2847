#include <gtest/gtest.h>

#include "common/rules/NameLookup.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/dataset/TableDataset.h"
#include "support/DataModuleTest.h"
#include "support/Seed.h"

namespace vantir::test {
namespace {

// A slip being entered, with the partners and staff its codes name. The carrier's code
// differs from its customer code, so a lookup by the wrong column shows.
class NameLookupTest : public DataModuleTest {
  protected:
    void SetUp() override {
        seedRows(dm1.database(), "HIMAS3",
                 {{{"KCODE", "000012"}, {"YCODE", "000345"}, {"KNAME", "丸山運送"}},
                  {{"KCODE", "000345"}, {"YCODE", "000900"}, {"KNAME", "得意先三四五"}},
                  {{"KCODE", "000007"}, {"YCODE", "7"}, {"KNAME", "一桁運輸"}}});
        seedRows(dm1.database(), "HIMAS2", {{{"TANCOD", "01"}, {"TANMEI", "山田"}}});
        slips.open();
        slips.append();
    }

    Result left(const NameLookupKind& kind, const char* code, const char* codeColumn,
                const char* nameColumn) {
        slips.setValue(QString::fromLatin1(codeColumn), QString::fromUtf8(code));
        return NameLookup(dm1, kind).codeLeft(slips, QString::fromLatin1(codeColumn),
                                              QString::fromLatin1(nameColumn));
    }

    TableDataset& slips = dm1.table(QStringLiteral("HITRAN1"));
};

TEST_F(NameLookupTest, PartnerCodesAreFilledAndBringTheirNameEvenAnEmptyOne) {
    struct Case {
        const NameLookupKind* kind;
        const char* typed;
        const char* handTypedName;  // nullptr: the name is NULL
        const char* code;           // the code after leaving the field
        const char* name;           // the name after leaving the field
    };
    const Case cases[] = {
        {&NameLookup::kCustomer, "12", nullptr, "000012", "丸山運送"},
        {&NameLookup::kCustomer, "12", "手入力", "000012", "丸山運送"},
        {&NameLookup::kCustomer, "345", "手入力", "000345", "得意先三四五"},
        {&NameLookup::kCustomer, "7", "手入力", "7", ""},               // one character: no partner
        {&NameLookup::kCustomer, "999", nullptr, "000999", ""},         // NULL becomes empty
        {&NameLookup::kCarrier, "345", nullptr, "000345", "丸山運送"},  // by YCODE
        {&NameLookup::kCarrier, "7", "手入力", "7", "一桁運輸"},
        {&NameLookup::kCarrier, "12", "手入力", "000012", ""},
    };
    for (const Case& c : cases) {
        const bool carrier = c.kind == &NameLookup::kCarrier;
        const char* codeColumn = carrier ? "YCODE" : "KCODE";
        const char* nameColumn = carrier ? "YNAME" : "KNAME";
        const QString name = QString::fromLatin1(nameColumn);
        slips.setValue(name,
                       c.handTypedName ? QVariant(QString::fromUtf8(c.handTypedName)) : QVariant());
        ASSERT_TRUE(left(*c.kind, c.typed, codeColumn, nameColumn)) << c.typed;
        EXPECT_EQ(slips.text(QString::fromLatin1(codeColumn)), QString::fromUtf8(c.code))
            << c.typed;
        EXPECT_FALSE(slips.isNull(name)) << c.typed;
        EXPECT_EQ(slips.text(name), QString::fromUtf8(c.name)) << c.typed;
    }
}

TEST_F(NameLookupTest, StaffNameIsWrittenOnlyWhenOneIsFound) {
    ASSERT_TRUE(left(NameLookup::kStaff, "01", "TANCOD", "TANMEI"));
    EXPECT_EQ(slips.text(QStringLiteral("TANMEI")), QStringLiteral("山田"));

    // An unknown code, or a code the zero-fill would have changed, leaves the name.
    for (const char* code : {"99", "1"}) {
        ASSERT_TRUE(left(NameLookup::kStaff, code, "TANCOD", "TANMEI"));
        EXPECT_EQ(slips.text(QStringLiteral("TANCOD")), QString::fromLatin1(code));
        EXPECT_EQ(slips.text(QStringLiteral("TANMEI")), QStringLiteral("山田"));
    }
    slips.clear(QStringLiteral("TANMEI"));
    ASSERT_TRUE(left(NameLookup::kStaff, "99", "TANCOD", "TANMEI"));
    EXPECT_TRUE(slips.isNull(QStringLiteral("TANMEI")));
}

// A registered slip whose stored name is current is not put into edit mode; one whose
// partner has been renamed is.
TEST_F(NameLookupTest, OnlyADifferentNameStartsAnEdit) {
    slips.setValue(QStringLiteral("KCODE"), QStringLiteral("000012"));
    slips.setValue(QStringLiteral("KNAME"), QStringLiteral("丸山運送"));
    ASSERT_TRUE(slips.post());
    const NameLookup customer(dm1, NameLookup::kCustomer);
    ASSERT_TRUE(customer.codeLeft(slips, QStringLiteral("KCODE"), QStringLiteral("KNAME")));
    EXPECT_EQ(slips.state(), DatasetState::Browse);

    dm1.database().connection().execute(
        QStringLiteral("UPDATE HIMAS3 SET KNAME = '丸山運送株式会社' WHERE KCODE = '000012'"));
    ASSERT_TRUE(customer.codeLeft(slips, QStringLiteral("KCODE"), QStringLiteral("KNAME")));
    EXPECT_EQ(slips.state(), DatasetState::Edit);
    EXPECT_EQ(slips.text(QStringLiteral("KNAME")), QStringLiteral("丸山運送株式会社"));
}

TEST_F(NameLookupTest, LookupLeavesTheSharedQueryClosedAndAnEmptyFormAlone) {
    const NameLookup customer(dm1, NameLookup::kCustomer);
    EXPECT_EQ(customer.nameOf(QStringLiteral("000012")), QStringLiteral("丸山運送"));
    EXPECT_EQ(customer.nameOf(QStringLiteral("000013")), QString());
    EXPECT_FALSE(dm1.query(QStringLiteral("Q_HIM3T_LQ")).isOpen());

    slips.cancel();
    ASSERT_TRUE(slips.isEmpty());
    EXPECT_TRUE(customer.codeLeft(slips, QStringLiteral("KCODE"), QStringLiteral("KNAME")));
    EXPECT_EQ(slips.state(), DatasetState::Browse);
    EXPECT_TRUE(slips.isEmpty());
}

}  // namespace
}  // namespace vantir::test
