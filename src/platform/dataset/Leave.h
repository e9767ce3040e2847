#pragma once

#include <utility>

#include "platform/dataset/Result.h"

namespace vantir {

// What a field's leave rule decides: the cursor goes on, or stays in the field (a required
// field left empty, a value the rule refused), and what the user is told on the way. The
// rule only decides; the screen shows what it is told.
class Leave {
  public:
    // On, or kept in the field without a word.
    static const Leave Go;
    static const Leave Stay;

    // Stays with the refusal shown when the result is refused; goes on otherwise. Implicit,
    // so that a rule refusing a value returns its Result as it is.
    Leave(Result result) : stays_(!result.ok), told_(std::move(result)) {}
    // Goes on once the user has been told (a new partner discarded for its code).
    static Leave goAfter(Result told) { return Leave(false, std::move(told)); }

    bool stays() const { return stays_; }
    // What is shown; nothing when it is no refusal or has no message.
    const Result& told() const { return told_; }

  private:
    Leave(bool stays, Result told) : stays_(stays), told_(std::move(told)) {}

    bool stays_;
    Result told_;
};

inline const Leave Leave::Go{false, Result::success()};
inline const Leave Leave::Stay{true, Result::success()};

}  // namespace vantir
