#include <gtest/gtest.h>

#include "platform/dataset/QueryDataset.h"
#include "platform/dataset/TableDataset.h"
#include "platform/db/DbError.h"
#include "support/DataModuleTest.h"
#include "support/Seed.h"

namespace vantir::test {
namespace {

// The views both modules have, with the data source that names each ("" for none).
const QList<QPair<QString, QString>> kSharedViews = {
    {"HIMAS1", "DSHIM1"},
    {"HIMAS2", "DSHIM2"},
    {"HIMAS3", "DSHIM3"},
    {"HIMAS31", "DSHIM31"},
    {"HIMAS32", "DSHIMAS32"},
    {"HIMAS33", "DSHIM33"},
    {"HIMASH31", "DSHIMH31"},
    {"HITRAN1", "DSHIT1"},
    {"HIT1Rep", "DSHIT1Rep"},
    {"HITRAN11", "DSHIT11"},
    {"HITRAN2", "DSHIT2"},
    {"HITRAN3", "DSHIT3"},
    {"HITRANM", "DSHITM"},
    {"HITRANS", "DSHITS"},
    {"SHOZEI", "DSSHOZEI"},
    {"AZUKARI", "DSAZUKARI"},
    {"FLG_DATA", ""},
    {"WK_SEIKYU", ""},
    {"WK_SEK_HED", "DSWK_SEK_HED"},
    {"WK_SEIKYU2", ""},
    {"COP_DAT", "DS_COP_DAT"},
    {"S_CONTROL", "DSS_Control"},
    {"Table1", ""},
    {"Q_HIM3", "DSQ_HIM3"},
    {"Q_HIM3TSK", "DSQ_HIM3TSK"},
    {"Q_HIM3YSK", "DSQ_HIM3YSK"},
    {"Q_HIM3T_LQ", ""},
    {"Q_HIM3Y_LQ", ""},
    {"Q_HIM2_LQ", ""},
    {"Q_HIM3S", "DSQ_HIM3S"},
    {"Q_HIM3SQ", ""},
    {"Q_HIT1SK", "DSQ_HIT1SK"},
    {"Q_HIT2SK", "DSQ_HIT2SK"},
    {"Q_HIT3SK", "DSQ_HIT3SK"},
    {"Q_HIT1_Mx", ""},
    {"Q_HIT2_Mx", ""},
    {"Q_HIT3_Mx", ""},
    {"Q_HIT1QR", "DSQ_HIT1QR"},
    {"Q_HIT2R", "DSQ_HIT2R"},
    {"Q_HIT3R", "DSQ_HIT3R"},
    {"Q_COP_DAT", "DSQ_COP_DAT"},
    {"Q_Shozei", "DSQ_Shozei"},
    {"QWK_Seikyu", "DSQWK_Seikyu"},
    {"f_siteF", "DSf_siteF"},
    {"f_YokinF", "DSf_YokinF"},
    {"f_SeikyuK", "DSf_SeikyuK"},
    {"Query1", ""},
    {"Query2", ""},
    {"Q_Expr", ""},
    {"QuerySum", ""},
};
const QList<QPair<QString, QString>> kMainOnlyViews = {{"HIMAS31S", ""}, {"Q_HIM1", "DSQ_HIM1"}};
const QList<QPair<QString, QString>> kWorkOnlyViews = {
    {"Q_HWRK1", "DSQ_HWRK1"},   {"Q_HWRK2", "DSQ_HWRK2"},   {"Q_HWRK3", ""},
    {"Q_HWRK31", "DSQ_HWRK31"}, {"Q_HWRK32", "DSQ_HWRK32"}, {"Q_UriBKM", "DSQ_UriBKM"},
    {"Q_SirBKM", "DSQ_SirBKM"},
};

void expectViews(const DataModule& module, const QList<QPair<QString, QString>>& views,
                 bool present) {
    for (const auto& [view, dataSource] : views) {
        EXPECT_EQ(module.findView(view) != nullptr, present) << view.toStdString();
        if (!present || dataSource.isEmpty()) continue;
        EXPECT_EQ(&module.dataSource(dataSource), module.findView(view))
            << dataSource.toStdString();
    }
}

class DataModuleViewsTest : public DataModuleTest {};

TEST_F(DataModuleViewsTest, EachModuleHasItsNamedViewsAndDataSources) {
    expectViews(dm1, kSharedViews, true);
    expectViews(dm1, kMainOnlyViews, true);
    expectViews(dm1, kWorkOnlyViews, false);
    expectViews(dm2, kSharedViews, true);
    expectViews(dm2, kMainOnlyViews, false);
    expectViews(dm2, kWorkOnlyViews, true);
    EXPECT_THROW(dm2.dataSource(QStringLiteral("DSQ_HIM1")), std::out_of_range);
    EXPECT_EQ(dm1.viewNames().size(), kSharedViews.size() + kMainOnlyViews.size());
    EXPECT_EQ(dm2.viewNames().size(), kSharedViews.size() + kWorkOnlyViews.size());
}

TEST_F(DataModuleViewsTest, NothingConnectsUntilAViewOpens) {
    EXPECT_FALSE(dm1.database().isConnected());
    EXPECT_EQ(dm1.database().name(), QStringLiteral("VANTIR"));
    EXPECT_EQ(dm2.database().name(), QStringLiteral("VANTIRX"));
    dm1.view(QStringLiteral("HIMAS1")).open();
    EXPECT_TRUE(dm1.database().isConnected());
    EXPECT_FALSE(dm2.database().isConnected());
    EXPECT_EQ(dm1.database().path(), dir.mainDatabase());
    EXPECT_EQ(dm2.database().path(), dir.workingCopy());
}

// Every view with fixed SQL or a table opens on a fresh database. Q_HWRK31 is left out:
// its design-time text orders by a column the table lacks, and the report runner always
// replaces it before opening.
TEST_F(DataModuleViewsTest, EveryFixedViewOpens) {
    const QStringList rewrittenBeforeUse = {"Table1", "Query2", "Q_HWRK31"};
    for (DataModule* module : {static_cast<DataModule*>(&dm1), static_cast<DataModule*>(&dm2)}) {
        for (const QString& name : module->viewNames()) {
            if (rewrittenBeforeUse.contains(name)) continue;
            Dataset& view = module->view(name);
            EXPECT_NO_THROW(view.open())
                << module->database().name().toStdString() << " " << name.toStdString();
            view.close();
        }
    }
}

// Slip numbers are text: a fixed order by CODE sorts "10" before "9".
TEST_F(DataModuleViewsTest, OrderingsFollowEachModulesDeclarations) {
    const QList<SeedRow> slips = {{{"CODE", "9"}, {"HYMD", "26/11/02"}, {"KCODE", "000002"}},
                                  {{"CODE", "10"}, {"HYMD", "26/11/03"}, {"KCODE", "000001"}},
                                  {{"CODE", "2"}, {"HYMD", "26/11/03"}, {"KCODE", "000003"}}};
    seedRows(dm1.database(), QStringLiteral("HITRAN1"), slips);
    seedRows(dm2.database(), QStringLiteral("HITRAN1"), slips);
    seedRows(dm1.database(), QStringLiteral("HITRAN2"), slips);

    struct Case {
        DataModule* module;
        const char* view;
        QStringList codes;
    };
    const Case cases[] = {
        {&dm1, "HIT1Rep", {"10", "2", "9"}},   {&dm2, "HIT1Rep", {"9", "10", "2"}},
        {&dm1, "HITRAN1", {"9", "10", "2"}},   {&dm1, "Q_HIT1SK", {"9", "2", "10"}},
        {&dm1, "Q_HIT1_Mx", {"9", "2", "10"}}, {&dm1, "Q_HIT1QR", {"10", "2", "9"}},
        {&dm2, "Q_HIT1QR", {"9", "10", "2"}},  {&dm1, "Q_HIT2R", {"10", "2", "9"}},
    };
    for (const Case& c : cases) {
        Dataset& view = c.module->view(QString::fromLatin1(c.view));
        view.open();
        QStringList codes;
        for (view.first(); !view.eof(); view.next())
            codes.append(view.text(QStringLiteral("CODE")));
        EXPECT_EQ(codes, c.codes) << c.module->database().name().toStdString() << " " << c.view;
        view.close();
    }
}

TEST_F(DataModuleViewsTest, LookupStatementsTakeTheirNamedParameter) {
    seedRows(dm1.database(), QStringLiteral("HIMAS3"),
             {{{"KCODE", "000001"}, {"YCODE", "100001"}, {"KNAME", "北運輸"}, {"SIME", "20"}},
              {{"KCODE", "000002"}, {"YCODE", "100002"}, {"KNAME", "南運送"}, {"SIME", "99"}},
              {{"KCODE", "000003"}, {"YCODE", "100003"}, {"KNAME", "O'Hara"}, {"SIME", "20"}}});
    struct Case {
        const char* view;
        const char* param;
        const char* value;
        QStringList names;
    };
    const Case cases[] = {
        {"Q_HIM3T_LQ", "KCODE", "000002", {"南運送"}},
        {"Q_HIM3Y_LQ", "YCODE", "100003", {"O'Hara"}},
        {"Q_HIM3S", "SIME", "20", {"北運輸", "O'Hara"}},
        {"Q_HIM3T_LQ", "KCODE", "999999", {}},
    };
    for (const Case& c : cases) {
        QueryDataset& query = dm1.query(QString::fromLatin1(c.view));
        query.setParam(QString::fromLatin1(c.param), QString::fromUtf8(c.value));
        query.open();
        QStringList names;
        for (query.first(); !query.eof(); query.next())
            names.append(query.text(QStringLiteral("KNAME")));
        EXPECT_EQ(names, c.names) << c.view << " " << c.value;
        query.close();
    }
}

TEST_F(DataModuleViewsTest, CodeListsFollowTheirSequence) {
    struct Case {
        const char* view;
        QStringList names;
    };
    const Case cases[] = {{"f_siteF", {"自社締日", "通常", "相手締相殺"}},
                          {"f_YokinF", {"普通", "当座"}},
                          {"f_SeikyuK", {"通常", "降し日"}}};
    for (const Case& c : cases) {
        Dataset& list = dm2.view(QString::fromLatin1(c.view));
        list.open();
        QStringList names;
        for (list.first(); !list.eof(); list.next())
            names.append(list.text(QStringLiteral("FNAME")));
        EXPECT_EQ(names, c.names) << c.view;
        EXPECT_EQ(list.fields().size(), 2);
        list.close();
    }
}

TEST_F(DataModuleViewsTest, CountAndSumStatementsExposeExpr1000) {
    seedRows(dm1.database(), QStringLiteral("HITRAN1"), {{{"CODE", "1"}}, {{"CODE", "2"}}});
    seedRows(dm1.database(), QStringLiteral("WK_SEIKYU"),
             {{{"UKING", 1500000000}}, {{"UKING", 1500000000}}});
    dm1.qExpr().open();
    EXPECT_EQ(dm1.qExpr().value(QStringLiteral("Expr1000")).toLongLong(), 2);
    dm1.querySum().open();
    // A total past 2^31 yen stays whole.
    EXPECT_EQ(dm1.querySum().value(QStringLiteral("Expr1000")).toLongLong(), 3000000000LL);
}

TEST_F(DataModuleViewsTest, ScratchStatementsAreRewrittenLineByLine) {
    seedRows(dm1.database(), QStringLiteral("HIMAS1"),
             {{{"TENCOD", "01"}, {"TENMEI", "本社"}}, {{"TENCOD", "02"}, {"TENMEI", "大阪"}}});
    QueryDataset& query = dm1.query1();
    query.close();
    query.clearSql();
    query.addSql(QStringLiteral("UpDate HIMAS1"));
    query.addSql(QStringLiteral("Set TENMEI = ") + QStringLiteral("'東京'"));
    query.addSql(QStringLiteral("WHERE TENCOD = '01'"));
    EXPECT_EQ(query.execSql(), 1);
    query.clearSql();
    query.addSql(QStringLiteral("SELECT * FROM HIMAS1"));
    query.addSql(QStringLiteral("WHERE TENMEI Is Not Null ORDER BY TENCOD"));
    query.open();
    EXPECT_EQ(query.text(QStringLiteral("TENMEI")), QStringLiteral("東京"));
    EXPECT_EQ(query.recordCount(), 2);
}

TEST_F(DataModuleViewsTest, UnknownNamesAreRefused) {
    EXPECT_THROW(dm1.view(QStringLiteral("HITRAN9")), std::out_of_range);
    EXPECT_THROW(dm1.table(QStringLiteral("Q_HIM3")), std::out_of_range);
    EXPECT_THROW(dm1.query(QStringLiteral("HIMAS3")), std::out_of_range);
}

}  // namespace
}  // namespace vantir::test
