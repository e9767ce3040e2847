#include "data/RecordHooks.h"

#include "data/AppState.h"
#include "data/HookTarget.h"
#include "data/HookTargets.h"
#include "platform/dataset/Dataset.h"

namespace vantir {

namespace {

const QString kPartnerMasterMode = QStringLiteral("Tokui_mas");
const QString kNewRecord = QStringLiteral("1");
const QString kNoNewRecord = QStringLiteral("0");

}  // namespace

void RecordHooks::connect(Dataset& himas3, Dataset& hitran1, const QStringList& hitran1Modes,
                          const AppState& state, HookTargets& targets) {
    // The screen to act on: the one attached under the current mode, when the hook serves
    // that mode.
    auto servedScreen = [&state, &targets](const QStringList& modes) -> HookTarget* {
        return modes.contains(state.EditPName) ? targets.find(state.EditPName) : nullptr;
    };
    const QStringList partnerModes{kPartnerMasterMode};

    himas3.afterInsert.connect([servedScreen, partnerModes] {
        if (HookTarget* screen = servedScreen(partnerModes)) screen->setNewRecordMark(kNewRecord);
    });
    auto clearMark = [servedScreen, partnerModes] {
        HookTarget* screen = servedScreen(partnerModes);
        if (screen && screen->newRecordMark() == kNewRecord) screen->setNewRecordMark(kNoNewRecord);
    };
    himas3.afterPost.connect(clearMark);
    himas3.afterCancel.connect(clearMark);

    auto slipEditing = [servedScreen, hitran1Modes](bool editing) {
        return [servedScreen, hitran1Modes, editing] {
            if (HookTarget* screen = servedScreen(hitran1Modes)) screen->setSlipEditing(editing);
        };
    };
    hitran1.afterInsert.connect(slipEditing(true));
    hitran1.afterEdit.connect(slipEditing(true));
    hitran1.afterPost.connect(slipEditing(false));
    hitran1.afterCancel.connect(slipEditing(false));
}

}  // namespace vantir
