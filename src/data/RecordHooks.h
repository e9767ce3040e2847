#pragma once

#include <QStringList>

namespace vantir {

class Dataset;
class HookTargets;
struct AppState;

// The record hooks of a data module. Each reads the current mode name (EditPName) and acts
// only on the screen named there: the partner master's new-record mark on HIMAS3, the
// slip screens' command keys on HITRAN1. Under any other mode they do nothing, so a slip
// changed by the inquiry screen leaves every button alone.
class RecordHooks {
  public:
    // The modes whose screens the HITRAN1 hooks serve.
    static QStringList slipModes() { return {QStringLiteral("NippoInp")}; }
    // DataModule1's HITRAN1 also serves the slip correction screen.
    static QStringList mainSlipModes() {
        return {QStringLiteral("NippoInp"), QStringLiteral("NippoEdit")};
    }

    // Connects the hooks to a module's HIMAS3 and HITRAN1 views. state and targets must
    // outlive the views.
    static void connect(Dataset& himas3, Dataset& hitran1, const QStringList& hitran1Modes,
                        const AppState& state, HookTargets& targets);
};

}  // namespace vantir
