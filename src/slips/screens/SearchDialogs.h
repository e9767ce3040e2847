#pragma once

#include <QString>
#include <functional>

namespace vantir {

// The long-lived search dialogs as a slip screen reaches them, by name ("SlipSearch",
// "CustomerSearch", "CarrierSearch"): the app hands in its own. A dialog that is not
// there is not opened, and nothing is prepared for it.
struct SearchDialogs {
    std::function<bool(const QString& name)> exists;
    std::function<void(const QString& name)> show;

    // Runs prepare, then shows the dialog; false, with nothing done, when it is not there.
    bool open(const QString& name, const std::function<void()>& prepare = {}) const {
        if (!exists || !show || !exists(name)) return false;
        if (prepare) prepare();
        show(name);
        return true;
    }
};

}  // namespace vantir
