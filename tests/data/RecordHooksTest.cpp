#include <gtest/gtest.h>

#include "data/HookTarget.h"
#include "platform/dataset/TableDataset.h"
#include "support/DataModuleTest.h"

namespace vantir::test {
namespace {

// A screen that records what the hooks did to it.
class RecordingScreen : public HookTarget {
  public:
    QString newRecordMark() const override { return mark; }
    void setNewRecordMark(const QString& value) override { mark = value; }
    void setSlipEditing(bool editing) override { slipEditing = editing ? "editing" : "browsing"; }

    QString mark = QStringLiteral("0");
    QString slipEditing = QStringLiteral("untouched");
};

class RecordHooksTest : public DataModuleTest {
  protected:
    RecordingScreen screen;
};

// Inserting a partner and cancelling or posting: the mark goes "1", then "0".
TEST_F(RecordHooksTest, PartnerMasterMarksANewPartner) {
    for (DataModule* module : {static_cast<DataModule*>(&dm1), static_cast<DataModule*>(&dm2)}) {
        for (bool post : {false, true}) {
            appState.EditPName = QStringLiteral("Tokui_mas");
            hookTargets.attach(QStringLiteral("Tokui_mas"), screen);
            Dataset& partners = module->view(QStringLiteral("HIMAS3"));
            partners.open();
            partners.append();
            EXPECT_EQ(screen.mark, QStringLiteral("1"));
            if (post) {
                ASSERT_TRUE(
                    partners.setValue(QStringLiteral("KCODE"), QStringLiteral("000001")).ok);
                ASSERT_TRUE(partners.post().ok);
            } else {
                partners.cancel();
            }
            EXPECT_EQ(screen.mark, QStringLiteral("0")) << (post ? "post" : "cancel");
            partners.close();
        }
    }
}

// A mark the screen set to something else than "1" is left alone by post and cancel.
TEST_F(RecordHooksTest, PostLeavesAMarkOtherThanOneAlone) {
    appState.EditPName = QStringLiteral("Tokui_mas");
    hookTargets.attach(QStringLiteral("Tokui_mas"), screen);
    Dataset& partners = dm1.view(QStringLiteral("HIMAS3"));
    partners.open();
    partners.append();
    screen.mark = QStringLiteral("2");
    partners.cancel();
    EXPECT_EQ(screen.mark, QStringLiteral("2"));
}

struct SlipCase {
    const char* mode;
    bool mainModule;
    const char* afterEditing;  // the screen after append or edit
    const char* afterDone;     // after post or cancel
};

void PrintTo(const SlipCase& c, std::ostream* os) {
    *os << c.mode << (c.mainModule ? " on the main database" : " on the working copy");
}

class SlipHooksTest : public RecordHooksTest, public ::testing::WithParamInterface<SlipCase> {};

TEST_P(SlipHooksTest, SlipButtonsFollowTheRecordOnlyUnderTheirModes) {
    const SlipCase& c = GetParam();
    appState.EditPName = QString::fromLatin1(c.mode);
    hookTargets.attach(appState.EditPName, screen);
    DataModule& module = c.mainModule ? static_cast<DataModule&>(dm1) : dm2;
    Dataset& slips = module.view(QStringLiteral("HITRAN1"));
    slips.open();

    slips.append();
    EXPECT_EQ(screen.slipEditing, QString::fromLatin1(c.afterEditing)) << "append";
    ASSERT_TRUE(slips.setValue(QStringLiteral("CODE"), QStringLiteral("1")).ok);
    ASSERT_TRUE(slips.post().ok);
    EXPECT_EQ(screen.slipEditing, QString::fromLatin1(c.afterDone)) << "post";

    screen.slipEditing = QStringLiteral("untouched");
    slips.edit();
    EXPECT_EQ(screen.slipEditing, QString::fromLatin1(c.afterEditing)) << "edit";
    slips.cancel();
    EXPECT_EQ(screen.slipEditing, QString::fromLatin1(c.afterDone)) << "cancel";
}

INSTANTIATE_TEST_SUITE_P(
    Modes, SlipHooksTest,
    ::testing::Values(SlipCase{"NippoInp", true, "editing", "browsing"},
                      SlipCase{"NippoEdit", true, "editing", "browsing"},
                      SlipCase{"NippoInp", false, "editing", "browsing"},
                      // The working copy's slips serve only the entry screen.
                      SlipCase{"NippoEdit", false, "untouched", "untouched"},
                      // The inquiry screen edits slips without any button changing.
                      SlipCase{"RepNippo", true, "untouched", "untouched"},
                      SlipCase{"Tokui_mas", true, "untouched", "untouched"}),
    [](const auto& info) {
        return std::string(info.param.mode) + (info.param.mainModule ? "_Main" : "_Work");
    });

// The hooks act on the screen named by the mode, never on another one left attached.
TEST_F(RecordHooksTest, HooksServeOnlyTheScreenOfTheCurrentMode) {
    RecordingScreen entry;
    hookTargets.attach(QStringLiteral("NippoInp"), entry);
    hookTargets.attach(QStringLiteral("NippoEdit"), screen);
    appState.EditPName = QStringLiteral("NippoEdit");
    Dataset& slips = dm1.view(QStringLiteral("HITRAN1"));
    slips.open();
    slips.append();
    EXPECT_EQ(screen.slipEditing, QStringLiteral("editing"));
    EXPECT_EQ(entry.slipEditing, QStringLiteral("untouched"));

    // A screen released while its mode is still current is no longer served.
    hookTargets.detach(QStringLiteral("NippoEdit"), screen);
    slips.cancel();
    EXPECT_EQ(screen.slipEditing, QStringLiteral("editing"));
}

TEST_F(RecordHooksTest, DetachLeavesAScreenAttachedSinceUnderTheSameMode) {
    RecordingScreen next;
    hookTargets.attach(QStringLiteral("NippoInp"), screen);
    hookTargets.attach(QStringLiteral("NippoInp"), next);
    hookTargets.detach(QStringLiteral("NippoInp"), screen);
    EXPECT_EQ(hookTargets.find(QStringLiteral("NippoInp")), &next);
}

}  // namespace
}  // namespace vantir::test
