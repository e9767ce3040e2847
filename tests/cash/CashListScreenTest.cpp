#include <QDateEdit>
#include <QLineEdit>

#include "cash/screens/CashListScreen.h"
#include "platform/dataset/QueryDataset.h"
#include "support/FixedToday.h"
#include "support/QtPrinters.h"
#include "support/ShownScreenTest.h"

namespace vantir {

void PrintTo(const CashSide* side, std::ostream* out);

namespace test {
namespace {

// Both list screens, opened on 24/03/15, over receipts and payments of January and
// February 2024 from two partners.
class CashListScreenTest : public ShownScreenTest,
                           public ::testing::WithParamInterface<const CashSide*> {
  protected:
    void SetUp() override {
        seedRows(dm1.database(), "HIMAS3",
                 {{{"KCODE", "000001"}, {"YCODE", "000001"}, {"KNAME", "丸山運送"}},
                  {{"KCODE", "000002"}, {"YCODE", "000002"}, {"KNAME", "北星物流"}}});
        QList<SeedRow> rows;
        const char* days[] = {"24/01/05", "24/01/31", "24/02/01", "24/01/20"};
        for (int n = 0; n < 4; ++n) {
            rows.append({{"CODE", QString::number(n + 1)},
                         {"DDAY", days[n]},
                         {side().partnerCode, n % 2 ? "000002" : "000001"},
                         {side().amount, (n + 1) * 1000}});
        }
        seedRows(dm1.database(), side().table, rows);
    }
    const CashSide& side() const { return *GetParam(); }
    void open() {
        show(std::make_unique<CashListScreen>(side(), dm1, handBacks, messages,
                                              [this](const QString& name) { opened << name; }));
    }
    QStringList listedCodes() const {
        QueryDataset& rows = dm1.query(side().listQuery);
        QStringList codes;
        for (int row = 0; row < rows.recordCount(); ++row)
            codes << rows.valueAt(row, rows.fieldIndex("CODE")).toString();
        codes.sort();
        return codes;
    }
    void run() { QTest::mouseClick(widget("btnRun"), Qt::LeftButton); }

    FixedToday today{"2024-03-15"};
    HandBacks handBacks;
    QStringList opened;
};

TEST_P(CashListScreenTest, OpensOnTheMonthBeforeLastWithEveryRecord) {
    open();
    EXPECT_EQ(screen->windowTitle(), side().listCaption);
    EXPECT_EQ(widget<QDateEdit>("DateTimePicker1")->date(), QDate(2024, 1, 1));
    EXPECT_EQ(widget<QDateEdit>("DateTimePicker2")->date(), QDate(2024, 1, 31));
    EXPECT_EQ(listedCodes(), (QStringList{"1", "2", "3", "4"}));
    // The amount is the side's own: SKING for payments, never UKING.
    EXPECT_EQ(widget<QLineEdit>(side().amount + "_0")->text().remove(u','),
              QString::number(1000 * dm1.query(side().listQuery).value("CODE").toInt()));
}

TEST_P(CashListScreenTest, RunSelectsTheRangeAndThePartner) {
    struct Case {
        const char* code;
        const char* name;
        QStringList codes;
    };
    for (const Case& c : {Case{"", "", {"1", "2", "4"}}, Case{"000002", "北星物流", {"2", "4"}},
                          Case{"000009", "", {}}}) {
        SCOPED_TRACE(c.code);
        open();
        widget<QLineEdit>("Edit1")->setText(c.code);
        EXPECT_EQ(widget<QLineEdit>("Edit2")->text(), QString::fromUtf8(c.name));
        run();
        EXPECT_EQ(listedCodes(), c.codes);
        EXPECT_FALSE(dm1.query(side().listQuery).sql().join(' ').contains("ORDER BY"));
        screen.reset();
    }
    EXPECT_TRUE(messages.shown.isEmpty()) << messages.shown.join('\n').toStdString();
}

TEST_P(CashListScreenTest, ThePartnerSearchFillsTheCodeBox) {
    open();
    QTest::mouseDClick(widget("Edit2"), Qt::LeftButton);
    EXPECT_EQ(opened, QStringList{side().partnerSearch});
    ASSERT_TRUE(handBacks.handBack(side().listMode, HandBack::SearchValue, "000001"));
    EXPECT_EQ(widget<QLineEdit>("Edit1")->text(), "000001");
    EXPECT_EQ(widget<QLineEdit>("Edit2")->text(), "丸山運送");
}

INSTANTIATE_TEST_SUITE_P(Twins, CashListScreenTest,
                         ::testing::Values(&CashSide::receipts(), &CashSide::payments()),
                         [](const auto& info) { return info.param->listMode.toStdString(); });

}  // namespace
}  // namespace test
}  // namespace vantir
