#pragma once

#include <QString>
#include <concepts>

#include "platform/ui/CommandBoundary.h"
#include "platform/ui/FieldHooks.h"
#include "platform/ui/InputMode.h"

namespace vantir {

class Dataset;

// An enter rule of a field: returns nothing, or a Result the screen shows.
class EnterRule {
  public:
    EnterRule() = default;
    template <typename F>
    requires std::invocable<F&> &&(!std::same_as<std::decay_t<F>, EnterRule>)EnterRule(F rule)
        : rule_(CommandBoundary::asAction(std::move(rule))) {}

    explicit operator bool() const { return bool(rule_); }
    const CommandBoundary::Action& action() const { return rule_; }

  private:
    CommandBoundary::Action rule_;
};

// A list a drop-down offers: it shows the list's name column and stores its code column
// (FLG_DATA's code lists: FNAME for FDATA; the branch and staff masters: TENMEI for
// TENCOD, TANMEI for TANCOD).
struct FormList {
    Dataset* rows = nullptr;
    QString codeColumn = {};
    QString nameColumn = {};
};

// One row of a record form's field table: one control bound to a column of the form's
// view, with everything the form needs to build it, place it and wire its rules.
struct FormField {
    QString column = {};
    // The label before the box; an accelerator ("&T 担当者CD") takes the cursor to it.
    QString caption = {};
    InputMode input = InputMode::Direct;
    EnterRule enter = {};
    FieldHooks::LeaveHook leave = {};  // a Leave, or a Result (refused: the cursor stays)
    // Shown beside the box ("末締 = 99"), as a label named Legend + column.
    QString legend = {};
    // Set: the row is a drop-down of the list, named Combo + column, standing beside the
    // column's box (on a line of its own, with the caption, when the column has none).
    FormList list = {};
    // The heading the row sits under ("前年実績"); a new heading starts a new group.
    QString heading = {};
    bool inEnterSequence = true;
    bool inTabOrder = true;
    // For a control outside the Enter sequence: the column of the sequence field whose
    // moves it makes (the slip's customer name moves like KCODE).
    QString movesLike = {};
    // The control name where it is not Edit + column (Combo + column for a drop-down).
    QString name = {};
    bool readOnly = false;
    // Kept in the record but not offered: box and caption hidden, visited by no key.
    bool hidden = false;
};

}  // namespace vantir
