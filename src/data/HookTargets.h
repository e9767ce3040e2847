#pragma once

#include <QHash>
#include <QString>

namespace vantir {

class HookTarget;

// The screens the record hooks serve, by mode name. A screen attaches itself when it is
// created under its mode and detaches when it is released; the app owns the one registry
// both data modules' hooks read.
class HookTargets {
  public:
    void attach(const QString& modeName, HookTarget& target) { targets_[modeName] = &target; }
    // Detaches target; a different screen attached under the same mode since stays.
    void detach(const QString& modeName, const HookTarget& target) {
        if (targets_.value(modeName) == &target) targets_.remove(modeName);
    }
    // The screen attached under the mode; nullptr when none is.
    HookTarget* find(const QString& modeName) const { return targets_.value(modeName); }

  private:
    QHash<QString, HookTarget*> targets_;
};

}  // namespace vantir
