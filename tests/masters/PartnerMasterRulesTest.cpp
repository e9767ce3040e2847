#include <gtest/gtest.h>

#include <optional>

#include "common/rules/NotAnInteger.h"
#include "masters/rules/PartnerCode.h"
#include "masters/rules/PartnerMasterRules.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/dataset/TableDataset.h"
#include "platform/ui/CommandBoundary.h"
#include "support/DataModuleTest.h"
#include "support/ScriptedMessages.h"
#include "support/Seed.h"

namespace vantir::test {
namespace {

const QString kCode = QStringLiteral("KCODE");
const QString kCarrier = QStringLiteral("YCODE");

struct ZeroFillCase {
    const char* typed;
    std::optional<const char*> filled;  // nullopt: refused
};

TEST(PartnerCodeTest, FillsShortWholeNumbersToSixDigits) {
    const ZeroFillCase cases[] = {
        {"7", "000007"},        {"12", "000012"},     {"00012", "000012"},  {"99999", "099999"},
        {" 7", "000007"},       {"123456", "123456"}, {"ABCDEF", "ABCDEF"}, {"1234567", "1234567"},
        {"", std::nullopt},     {"A1", std::nullopt}, {"-5", std::nullopt}, {"1.5", std::nullopt},
        {"１２", std::nullopt},
    };
    for (const ZeroFillCase& c : cases) {
        const std::optional<QString> filled = zeroFilledPartnerCode(QString::fromUtf8(c.typed));
        ASSERT_EQ(filled.has_value(), c.filled.has_value()) << c.typed;
        if (filled) {
            EXPECT_EQ(*filled, QString::fromUtf8(*c.filled)) << c.typed;
        }
    }
    EXPECT_EQ(notAnIntegerMessage(QStringLiteral("A1")),
              QStringLiteral("'A1' は整数ではありません"));
}

// The partner master as the main menu opens it: its mode in EditPName, so that the
// HIMAS3 hooks keep its new-record mark.
class PartnerMasterRulesTest : public DataModuleTest {
  protected:
    void SetUp() override { appState.EditPName = PartnerMasterRules::kModeName; }

    void seed(const QList<SeedRow>& rows) { seedRows(dm1.database(), "HIMAS3", rows); }
    void open() {
        rules.emplace(dm1, hookTargets);
        rules->open();
    }
    TableDataset& partners() { return rules->partners(); }
    // The customer codes of the list, top to bottom.
    QStringList listed() {
        QueryDataset& list = rules->list();
        QStringList codes;
        for (int row = 0; row < list.recordCount(); ++row) {
            codes << list.valueAt(row, list.fieldIndex(kCode)).toString();
        }
        return codes;
    }
    // A column of the stored partner, read straight from the table.
    QVariant stored(const QString& code, const QString& column) {
        return dm1.database().connection().scalar(
            QStringLiteral("SELECT %1 FROM HIMAS3 WHERE KCODE = :K").arg(column), {{"K", code}});
    }
    // A rule's outcome as the screen's command boundary shows it: what the user is told
    // goes to messages.
    bool goesOn(const Leave& leave) {
        CommandBoundary::tell(messages, leave.told());
        return !leave.stays();
    }
    bool told(const Result& result) {
        CommandBoundary::tell(messages, result);
        return result.ok;
    }
    qint64 partnerCount() {
        return dm1.database().connection().scalar("SELECT COUNT(*) FROM HIMAS3").toLongLong();
    }

    ScriptedMessages messages;
    std::optional<PartnerMasterRules> rules;
};

// A new partner's customer code is zero-filled on leaving the field; a code already
// registered is refused and the whole new record is discarded.
TEST_F(PartnerMasterRulesTest, NewCustomerCodeIsFilledAndADuplicateCancelsTheInsertion) {
    struct Case {
        const char* typed;
        bool registered;
    };
    for (const Case& c : {Case{"7", false}, Case{"7", true}, Case{"000007", true}}) {
        SCOPED_TRACE(std::string(c.typed) + (c.registered ? " registered" : " new"));
        dm1.database().connection().execute("DELETE FROM HIMAS3");
        if (c.registered) seed({{{"KCODE", "000007"}, {"KNAME", "既存"}}});
        messages.shown.clear();
        open();
        partners().append();
        EXPECT_EQ(rules->newRecordMark(), "1");
        ASSERT_TRUE(partners().setText("KNAME", "新規運送").ok);
        ASSERT_TRUE(partners().setText(kCode, c.typed).ok);

        EXPECT_TRUE(goesOn(rules->customerCodeLeft()));

        if (c.registered) {
            EXPECT_EQ(messages.shown, QStringList{"notice:取引先コードは登録済です。"});
            EXPECT_EQ(partners().state(), DatasetState::Browse);
            EXPECT_EQ(rules->newRecordMark(), "0");
            EXPECT_EQ(partners().text("KNAME"), "既存");
            EXPECT_EQ(partnerCount(), 1);
        } else {
            EXPECT_TRUE(messages.shown.isEmpty());
            EXPECT_EQ(partners().text(kCode), "000007");
            ASSERT_TRUE(partners().post().ok);
            EXPECT_EQ(stored("000007", "KNAME"), "新規運送");
        }
        rules->close();
        rules.reset();
    }
}

// A changed partner's code is filled on leaving but checked only when posted: a code
// another partner has is refused then, naming the field. A carrier code another partner
// uses is accepted.
TEST_F(PartnerMasterRulesTest, ChangedPartnerCodeIsCheckedWhenPosted) {
    seed({{{"KCODE", "000012"}, {"YCODE", "000012"}}, {{"KCODE", "12"}, {"YCODE", "12"}}});
    open();
    ASSERT_TRUE(partners().locate(kCode, "12"));
    EXPECT_TRUE(goesOn(rules->customerCodeLeft()));
    EXPECT_TRUE(goesOn(rules->carrierCodeLeft()));
    EXPECT_EQ(partners().text(kCode), "000012");
    EXPECT_EQ(partners().text(kCarrier), "000012");
    EXPECT_TRUE(messages.shown.isEmpty());

    const Result refused = rules->beforePost();
    EXPECT_FALSE(refused.ok);
    EXPECT_EQ(refused.message, "取引先コードは登録済です。");
    EXPECT_EQ(refused.field, kCode);

    told(rules->listRowPicked());
    EXPECT_FALSE(told(rules->setListFilter(PartnerMasterRules::Customers)));
    EXPECT_EQ(messages.shown, QStringList(2, "error:取引先コードは登録済です。"))
        << "picking another partner posts nothing a post of the bar would refuse";
    EXPECT_EQ(partners().state(), DatasetState::Edit);
    EXPECT_EQ(rules->listFilter(), PartnerMasterRules::AllPartners);

    ASSERT_TRUE(partners().setText(kCode, "000013").ok);
    ASSERT_TRUE(rules->beforePost());
    ASSERT_TRUE(partners().post().ok);
    ASSERT_TRUE(partners().setText("KNAME", "名前だけ変更").ok);
    EXPECT_TRUE(rules->beforePost()) << "its own code is no duplicate";
}

// A closing day is "01" to "28" or "99": the 29th would be skipped every February, the
// 30th and 31st in shorter months. A refused day keeps the cursor in the field with the
// text as typed, and a post of the bar refuses it too; a day stored before stays.
TEST_F(PartnerMasterRulesTest, ClosingDayOutsideOneToTwentyEightOrNinetyNineIsRefused) {
    const QString refusal = QStringLiteral("締日は 01～28 又は 99（末締）で入力して下さい。");
    seed({{{"KCODE", "000001"}, {"SIME", "31"}}, {{"KCODE", "000002"}, {"SIME", "20"}}});
    open();
    ASSERT_TRUE(partners().locate(kCode, "000002"));
    struct Case {
        const char* typed;
        bool accepted;
    };
    for (const Case& c :
         {Case{"01", true}, Case{"15", true}, Case{"28", true}, Case{"99", true}, Case{"", true},
          Case{"29", false}, Case{"30", false}, Case{"31", false}, Case{"00", false},
          Case{"5", false}, Case{"1a", false}, Case{"98", false}}) {
        SCOPED_TRACE(c.typed);
        ASSERT_TRUE(partners().setText("SIME", c.typed).ok);
        const Result left = rules->closingDayLeft();
        EXPECT_EQ(left.ok, c.accepted);
        EXPECT_EQ(rules->beforePost().ok, c.accepted);
        if (!c.accepted) {
            EXPECT_EQ(left.message, refusal);
            EXPECT_EQ(left.field, "SIME");
            EXPECT_EQ(partners().text("SIME"), c.typed);
        }
    }
    partners().cancel();

    // The partner stored with "31" keeps it through an edit of another field.
    ASSERT_TRUE(partners().locate(kCode, "000001"));
    ASSERT_TRUE(partners().setText("KNAME", "名前だけ変更").ok);
    EXPECT_TRUE(rules->closingDayLeft());
    ASSERT_TRUE(rules->beforePost());
    ASSERT_TRUE(partners().post().ok);
    EXPECT_EQ(stored("000001", "SIME"), "31");
    // A new partner gets no such allowance.
    partners().append();
    ASSERT_TRUE(partners().setText(kCode, "000003").ok);
    ASSERT_TRUE(partners().setText("SIME", "31").ok);
    EXPECT_FALSE(rules->beforePost());
}

// A short code that is not a whole number is refused with the conversion message; the
// text stays as typed and the cursor in the field. An empty code is no code and passes.
TEST_F(PartnerMasterRulesTest, NonNumericShortCodeIsRefusedAndKept) {
    open();
    partners().append();
    for (const QString& column : {kCode, kCarrier}) {
        messages.shown.clear();
        ASSERT_TRUE(partners().setText(column, "A1").ok);
        const bool leaves =
            goesOn(column == kCode ? rules->customerCodeLeft() : rules->carrierCodeLeft());
        EXPECT_FALSE(leaves) << column.toStdString();
        EXPECT_EQ(messages.shown, QStringList{"notice:'A1' は整数ではありません"});
        EXPECT_EQ(partners().text(column), "A1");

        messages.shown.clear();
        ASSERT_TRUE(partners().setText(column, "").ok);
        EXPECT_TRUE(goesOn(column == kCode ? rules->customerCodeLeft() : rules->carrierCodeLeft()));
        EXPECT_TRUE(messages.shown.isEmpty());
    }
    EXPECT_EQ(partners().state(), DatasetState::Insert);
}

// Entering the carrier code of a new partner copies the filled customer code over
// whatever it held; on a partner already stored it changes nothing.
TEST_F(PartnerMasterRulesTest, CarrierCodeDefaultsToTheCustomerCodeOnNewPartnersOnly) {
    seed({{{"KCODE", "000001"}, {"YCODE", "000009"}}});
    open();
    rules->carrierCodeEntered();
    EXPECT_EQ(partners().state(), DatasetState::Browse);
    EXPECT_EQ(partners().text(kCarrier), "000009");

    partners().append();
    ASSERT_TRUE(partners().setText(kCarrier, "000003").ok);
    ASSERT_TRUE(partners().setText(kCode, "12").ok);
    ASSERT_TRUE(goesOn(rules->customerCodeLeft()));
    rules->carrierCodeEntered();
    EXPECT_EQ(partners().text(kCarrier), "000012");
}

// Leaving the kind empty makes the partner both customer and carrier ("0"), listed only
// when the list is not filtered; entering an empty site flag makes it normal ("2").
TEST_F(PartnerMasterRulesTest, KindAndSiteFlagDefaults) {
    seed({{{"KCODE", "000001"}, {"KY_KBN", "1"}, {"SIMEFLG", "1"}}});
    open();
    rules->kindLeft();
    rules->siteFlagEntered();
    EXPECT_EQ(partners().state(), DatasetState::Browse) << "set values stay as they are";

    partners().append();
    ASSERT_TRUE(partners().setText(kCode, "000002").ok);
    ASSERT_TRUE(partners().setText("KY_KBN", "").ok);
    rules->kindLeft();
    rules->siteFlagEntered();
    EXPECT_EQ(partners().text("KY_KBN"), "0");
    EXPECT_EQ(partners().text("SIMEFLG"), "2");
    ASSERT_TRUE(partners().post().ok);

    rules->setListFilter(PartnerMasterRules::Customers);
    EXPECT_EQ(listed(), QStringList{"000001"});
    rules->setListFilter(PartnerMasterRules::AllPartners);
    EXPECT_EQ(listed().size(), 2);
}

// Each filter lists its kind of partner and ties the form to the first of them; with no
// carrier at all the list is empty and so is the form.
TEST_F(PartnerMasterRulesTest, FilterChoosesTheListAndTheFormFollowsItsFirstRow) {
    seed({{{"KCODE", "000003"}, {"KY_KBN", "1"}},
          {{"KCODE", "000001"}, {"KY_KBN", "0"}},
          {{"KCODE", "000002"}, {"KY_KBN", "1"}}});
    open();
    EXPECT_EQ(listed(), (QStringList{"000001", "000002", "000003"}));
    EXPECT_EQ(partners().text(kCode), "000001");

    struct Case {
        PartnerMasterRules::ListFilter filter;
        QStringList codes;
    };
    for (const Case& c : {Case{PartnerMasterRules::Customers, {"000003", "000002"}},
                          Case{PartnerMasterRules::Carriers, {}},
                          Case{PartnerMasterRules::AllPartners, {"000003", "000001", "000002"}}}) {
        rules->setListFilter(c.filter);
        QStringList codes = listed();
        EXPECT_EQ(codes, c.codes) << c.filter;
        EXPECT_EQ(partners().recordCount(), c.codes.isEmpty() ? 0 : 1);
        if (!c.codes.isEmpty()) {
            EXPECT_EQ(partners().text(kCode), c.codes.first());
        }
    }

    ASSERT_TRUE(rules->list().locate(kCode, "000002"));
    rules->listRowPicked();
    EXPECT_EQ(partners().text(kCode), "000002");
    EXPECT_TRUE(messages.shown.isEmpty());
}

// Codes erased in the form are stored as NULL, never as empty text: once the record bar
// has the cursor, and when picking another partner posts the change on the way.
TEST_F(PartnerMasterRulesTest, ErasedCodesAreStoredAsNull) {
    seed({{{"KCODE", "000001"}, {"YCODE", "000001"}, {"KNAME", "丸山運送"}}});
    open();
    ASSERT_TRUE(partners().setText(kCarrier, "").ok);
    rules->recordBarEntered();
    ASSERT_TRUE(partners().post().ok);
    const QVariant carrier = stored("000001", "YCODE");
    EXPECT_TRUE(carrier.isNull()) << carrier.toString().toStdString();

    partners().append();
    ASSERT_TRUE(partners().setText(kCode, "").ok);
    ASSERT_TRUE(partners().setText(kCarrier, "").ok);
    ASSERT_TRUE(partners().setText("KNAME", "コードなし").ok);
    rules->listRowPicked();
    auto& connection = dm1.database().connection();
    EXPECT_EQ(connection
                  .scalar("SELECT COUNT(*) FROM HIMAS3 WHERE KCODE IS NULL AND YCODE IS NULL "
                          "AND KNAME = 'コードなし'")
                  .toInt(),
              1);
    EXPECT_EQ(
        connection.scalar("SELECT COUNT(*) FROM HIMAS3 WHERE KCODE = '' OR YCODE = ''").toInt(), 0);
    EXPECT_EQ(partners().text(kCode), "000001") << "the form shows the partner picked";
}

// After a command the list is read again and its cursor put on the partner in the form;
// a new partner posted while the form was tied to another is the one the form shows.
TEST_F(PartnerMasterRulesTest, ListFollowsTheFormAfterACommand) {
    seed({{{"KCODE", "000001"}, {"KY_KBN", "1"}}, {{"KCODE", "000005"}, {"KY_KBN", "1"}}});
    open();
    rules->setListFilter(PartnerMasterRules::Customers);
    partners().append();
    ASSERT_TRUE(partners().setText(kCode, "3").ok);
    ASSERT_TRUE(goesOn(rules->customerCodeLeft()));
    ASSERT_TRUE(partners().setText("KY_KBN", "1").ok);
    rules->recordBarEntered();
    ASSERT_TRUE(rules->beforePost());
    ASSERT_TRUE(partners().post().ok);
    rules->recordBarLeft();

    EXPECT_EQ(partners().text(kCode), "000003");
    EXPECT_EQ(rules->list().text(kCode), "000003");
    EXPECT_EQ(listed().size(), 3);
}

}  // namespace
}  // namespace vantir::test
