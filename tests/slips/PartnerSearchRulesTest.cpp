#include <gtest/gtest.h>

#include "data/HandBacks.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/db/DbError.h"
#include "slips/rules/PartnerSearchRules.h"
#include "support/DataModuleTest.h"
#include "support/Seed.h"

namespace vantir::test {
namespace {

// Partners of every kind: a customer only ("1"), both ("0"), one whose kind was never set,
// a carrier only ("2"), and a name with a quote. Carrier codes differ from customer codes,
// so a search that hands back or sorts by the wrong column shows.
class PartnerSearchRulesTest : public DataModuleTest {
  protected:
    void SetUp() override {
        seedRows(dm1.database(), "HIMAS3",
                 {{{"KCODE", "000001"},
                   {"YCODE", "100001"},
                   {"KY_KBN", "1"},
                   {"KNAME", "丸山運送"},
                   {"KANAMEI", "ﾏﾙﾔﾏｳﾝｿｳ"},
                   {"KZIP", "100-0003"},
                   {"KTEL", "03-1111-2222"}},
                  {{"KCODE", "000002"},
                   {"YCODE", "100002"},
                   {"KY_KBN", "0"},
                   {"KNAME", "丸山商事"},
                   {"KANAMEI", "ﾏﾙﾔﾏｼｮｳｼﾞ"},
                   {"KZIP", "100-0001"},
                   {"KTEL", "03-1111-22"}},
                  {{"KCODE", "000003"},
                   {"YCODE", "100003"},
                   {"KNAME", "北斗物流"},
                   {"KANAMEI", "ﾎｸﾄﾌﾞﾂﾘｭｳ"},
                   {"KZIP", "100-0002"},
                   {"KTEL", "06-3333-4444"}},
                  {{"KCODE", "000004"},
                   {"YCODE", "100004"},
                   {"KY_KBN", "2"},
                   {"KNAME", "丸山急送"},
                   {"KANAMEI", "ﾏﾙﾔﾏｷｭｳｿｳ"},
                   {"KTEL", "03-1111-22"}},
                  {{"KCODE", "000005"},
                   {"YCODE", "100005"},
                   {"KY_KBN", "0"},
                   {"KNAME", "O'Hara運輸"},
                   {"KANAMEI", "ｵﾊﾗ"},
                   {"KZIP", "100-0004"},
                   {"KTEL", "011-555-0000"}}});
    }

    // The codes the search lists, in its order.
    static QStringList listed(const PartnerSearchRules& search) {
        QueryDataset& query = search.query();
        QStringList codes;
        for (query.first(); !query.eof(); query.next())
            codes << query.text(search.description().codeColumn);
        return codes;
    }

    HandBacks handBacks;
    PartnerSearchRules customers{PartnerSearchDescription::customer(), dm1, appState, handBacks};
    PartnerSearchRules carriers{PartnerSearchDescription::carrier(), dm1, appState, handBacks};
};

// Each search lists everything but the other side only: kind "0" and a kind never set
// appear in both. So does the first showing, in the order its boxes show: the customer
// search by reading, the carrier search in the table's order.
TEST_F(PartnerSearchRulesTest, EachSearchListsItsSideAndThePartnersOfBoth) {
    customers.open();
    carriers.open();
    EXPECT_EQ(listed(customers), (QStringList{"000005", "000003", "000001", "000002"}));
    QStringList firstCarriers = listed(carriers);
    firstCarriers.sort();
    EXPECT_EQ(firstCarriers, (QStringList{"100002", "100003", "100004", "100005"}));

    for (PartnerSearchRules* search : {&customers, &carriers}) {
        search->setSortKey(SortKey::Code);
        search->execute(QString());
    }
    EXPECT_EQ(listed(customers), (QStringList{"000001", "000002", "000003", "000005"}));
    EXPECT_EQ(listed(carriers), (QStringList{"100002", "100003", "100004", "100005"}));
}

// A name or a reading finds every partner of the side that begins with it, a quote typed
// included; a telephone number only the partners with exactly that number.
TEST_F(PartnerSearchRulesTest, NamesAndReadingsByPrefixTelephoneExactly) {
    struct Case {
        PartnerSearchRules* search;
        SearchKind kind;
        const char* text;
        QStringList codes;
    };
    const Case cases[] = {
        {&customers, SearchKind::Name, "丸山", {"000001", "000002"}},
        {&customers, SearchKind::Name, "丸山運", {"000001"}},
        {&customers, SearchKind::Name, "山", {}},  // a prefix, not any part of the name
        {&customers, SearchKind::Name, "O'H", {"000005"}},
        {&carriers, SearchKind::Name, "丸山", {"100002", "100004"}},
        {&customers, SearchKind::Kana, "ﾏﾙﾔﾏ", {"000001", "000002"}},
        {&carriers, SearchKind::Kana, "ﾏﾙﾔﾏｷ", {"100004"}},
        {&customers, SearchKind::Telephone, "03-1111-22", {"000002"}},
        {&carriers, SearchKind::Telephone, "03-1111-22", {"100002", "100004"}},
        {&customers, SearchKind::Telephone, "03-1111", {}},
        // A text without a search kind narrows nothing, and drops what narrowed before.
        {&customers, SearchKind::Blank, "丸山", {"000001", "000002", "000003", "000005"}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(QString::fromUtf8(c.text).toStdString());
        c.search->setSortKey(SortKey::Code);
        c.search->setKind(c.kind);
        c.search->execute(QString::fromUtf8(c.text));
        EXPECT_EQ(listed(*c.search), c.codes);
    }
}

// An empty search box keeps the previous narrowing while the order changes; "初期化"
// removes it, blanks the boxes and lists the side in the query's own order.
TEST_F(PartnerSearchRulesTest, AnEmptyBoxKeepsTheNarrowingUntilReset) {
    customers.setKind(SearchKind::Name);
    customers.setSortKey(SortKey::Code);
    customers.execute(QStringLiteral("丸山"));
    EXPECT_EQ(listed(customers), (QStringList{"000001", "000002"}));

    customers.setSortKey(SortKey::Zip);
    customers.setDirection(SortDirection::Descending);
    customers.execute(QString());
    EXPECT_EQ(listed(customers), (QStringList{"000001", "000002"}));
    EXPECT_EQ(customers.query().sql().last(), "ORDER BY KZIP DESC");

    customers.reset();
    EXPECT_EQ(customers.boxes().kind, SearchKind::Blank);
    EXPECT_EQ(customers.boxes().sortKey, SortKey::Blank);
    EXPECT_EQ(customers.boxes().direction, SortDirection::Blank);
    EXPECT_EQ(customers.query().sql(),
              (QStringList{"SELECT * FROM HIMAS3", "WHERE (KY_KBN <> '2') OR (KY_KBN Is Null)"}));
    QStringList all = listed(customers);
    all.sort();
    EXPECT_EQ(all, (QStringList{"000001", "000002", "000003", "000005"}));

    // And the reset list stays when the box is empty.
    customers.setSortKey(SortKey::Code);
    customers.execute(QString());
    EXPECT_EQ(listed(customers), (QStringList{"000001", "000002", "000003", "000005"}));
}

// The order line of every sort key and direction; a blank key or direction adds none.
TEST_F(PartnerSearchRulesTest, OrderLines) {
    struct Case {
        PartnerSearchRules* search;
        SortKey sortKey;
        SortDirection direction;
        const char* line;
    };
    const Case cases[] = {
        {&customers, SortKey::Code, SortDirection::Ascending, "ORDER BY KCODE"},
        {&customers, SortKey::Code, SortDirection::Descending, "ORDER BY KCODE DESC"},
        {&carriers, SortKey::Code, SortDirection::Ascending, "ORDER BY YCODE"},
        {&carriers, SortKey::Code, SortDirection::Descending, "ORDER BY YCODE DESC"},
        {&customers, SortKey::Kana, SortDirection::Ascending, "ORDER BY KANAMEI"},
        {&carriers, SortKey::Kana, SortDirection::Descending, "ORDER BY KANAMEI DESC"},
        {&customers, SortKey::Zip, SortDirection::Ascending, "ORDER BY KZIP"},
        {&carriers, SortKey::Zip, SortDirection::Descending, "ORDER BY KZIP DESC"},
        {&carriers, SortKey::Telephone, SortDirection::Ascending, "ORDER BY KTEL"},
        {&customers, SortKey::Telephone, SortDirection::Descending, "ORDER BY KTEL DESC"},
        {&customers, SortKey::Kana, SortDirection::Blank, ""},
        {&carriers, SortKey::Blank, SortDirection::Ascending, ""},
        {&carriers, SortKey::Blank, SortDirection::Blank, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.line);
        c.search->setSortKey(c.sortKey);
        c.search->setDirection(c.direction);
        EXPECT_EQ(c.search->orderLine(), QString::fromLatin1(c.line));
        QStringList lines{"SELECT * FROM HIMAS3", c.search->description().kindCondition};
        if (*c.line) lines << QString::fromLatin1(c.line);
        EXPECT_EQ(c.search->sqlLines(), lines);
    }
}

// The lines are what the database runs: the rows come in the order they name.
TEST_F(PartnerSearchRulesTest, ExecuteListsInTheChosenOrder) {
    customers.setSortKey(SortKey::Zip);
    customers.execute(QString());
    EXPECT_EQ(listed(customers), (QStringList{"000002", "000003", "000001", "000005"}));
    customers.setDirection(SortDirection::Descending);
    customers.execute(QString());
    EXPECT_EQ(listed(customers), (QStringList{"000005", "000001", "000003", "000002"}));
    carriers.setSortKey(SortKey::Kana);
    carriers.setDirection(SortDirection::Descending);
    carriers.execute(QString());
    EXPECT_EQ(listed(carriers), (QStringList{"100002", "100004", "100003", "100005"}));
}

// A new sort key starts ascending, whatever direction the previous one had.
TEST_F(PartnerSearchRulesTest, ANewSortKeyStartsAscending) {
    carriers.setSortKey(SortKey::Kana);
    carriers.setDirection(SortDirection::Descending);
    carriers.setSortKey(SortKey::Telephone);
    EXPECT_EQ(carriers.boxes().direction, SortDirection::Ascending);
    EXPECT_EQ(carriers.orderLine(), "ORDER BY KTEL");
}

// The customer search opens on the reading, in reading order; the carrier search with
// every box blank.
TEST_F(PartnerSearchRulesTest, OpeningBoxes) {
    EXPECT_EQ(customers.boxes().kind, SearchKind::Kana);
    EXPECT_EQ(customers.boxes().sortKey, SortKey::Kana);
    EXPECT_EQ(customers.boxes().direction, SortDirection::Ascending);
    EXPECT_EQ(carriers.boxes().kind, SearchKind::Blank);
    EXPECT_EQ(carriers.boxes().sortKey, SortKey::Blank);
    EXPECT_EQ(carriers.boxes().direction, SortDirection::Blank);
}

// A database older than the reading column cannot sort by it: the error is the
// database's, the list stays closed and "確定" hands back an empty code.
TEST(PartnerSearchRulesWithoutReading, AStatementTheDatabaseCannotRunLeavesTheListEmpty) {
    TestProgramDir dir;
    dir.executeOnMain({"ALTER TABLE HIMAS3 DROP COLUMN KANAMEI"});
    AppState state;
    state.EditPName = QStringLiteral("NippoInp");
    HookTargets targets;
    DataModule1 dm1(dir.path(), state, targets);
    HandBacks handBacks;
    QString handed = QStringLiteral("untouched");
    HandBackOffers offers(handBacks, state.EditPName);
    offers.offer(HandBack::CustomerCode, [&](const QString& code) { handed = code; });

    PartnerSearchRules customers(PartnerSearchDescription::customer(), dm1, state, handBacks);
    EXPECT_THROW(customers.execute(QString()), DbError);
    EXPECT_FALSE(customers.query().isOpen());
    EXPECT_TRUE(customers.confirm());
    EXPECT_EQ(handed, "");
}

// "確定" hands the current partner's code to the screen open under the mode name, as it
// offered it: a code to the entry screens, a search value to the lists; a screen that
// offered neither gets nothing, and an empty list hands back an empty code.
TEST_F(PartnerSearchRulesTest, HandBackByModeName) {
    struct Offered {
        const char* mode;
        HandBack kind;
    };
    const Offered offered[] = {{"NippoInp", HandBack::CustomerCode},
                               {"NippoInp", HandBack::CarrierCode},
                               {"RepNippo", HandBack::SearchValue},
                               {"Nyukin", HandBack::CustomerCode},
                               {"HaraiInp", HandBack::CarrierCode}};
    QStringList received;
    std::vector<std::unique_ptr<HandBackOffers>> screens;
    for (const Offered& o : offered) {
        const QString mode = QString::fromLatin1(o.mode);
        screens.push_back(std::make_unique<HandBackOffers>(handBacks, mode));
        screens.back()->offer(o.kind, [&received, mode, kind = o.kind](const QString& value) {
            received << QStringLiteral("%1/%2:%3").arg(mode).arg(int(kind)).arg(value);
        });
    }
    const QString customer = QString::number(int(HandBack::CustomerCode));
    const QString carrier = QString::number(int(HandBack::CarrierCode));
    const QString value = QString::number(int(HandBack::SearchValue));

    struct Case {
        PartnerSearchRules* search;
        const char* mode;
        const char* textSearched;  // by name; the second partner found is current
        bool handed;
        QString received;
    };
    const Case cases[] = {
        {&customers, "NippoInp", "丸山", true, "NippoInp/" + customer + ":000002"},
        {&carriers, "NippoInp", "丸山", true, "NippoInp/" + carrier + ":100004"},
        {&customers, "RepNippo", "丸山", true, "RepNippo/" + value + ":000002"},
        {&carriers, "RepNippo", "丸山", true, "RepNippo/" + value + ":100004"},
        {&customers, "Nyukin", "丸山", true, "Nyukin/" + customer + ":000002"},
        {&customers, "HaraiInp", "丸山", false, {}},  // takes carriers only
        {&carriers, "HaraiInp", "丸山", true, "HaraiInp/" + carrier + ":100004"},
        {&customers, "Tokui_mas", "丸山", false, {}},
        {&customers, "NippoEdit", "丸山", false, {}},  // until the correction screen offers
        {&customers, "NippoInp", "該当なし", true, "NippoInp/" + customer + ":"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(std::string(c.mode) + " " + c.search->description().name.toStdString());
        received.clear();
        appState.EditPName = QString::fromLatin1(c.mode);
        c.search->setKind(SearchKind::Name);
        c.search->setSortKey(SortKey::Code);
        c.search->execute(QString::fromUtf8(c.textSearched));
        c.search->query().next();
        EXPECT_EQ(c.search->confirm(), c.handed);
        EXPECT_EQ(received, c.received.isEmpty() ? QStringList{} : QStringList{c.received});
    }
}

}  // namespace
}  // namespace vantir::test
