#pragma once

#include <QObject>
#include <functional>

#include "platform/dataset/Leave.h"
#include "platform/ui/CommandBoundary.h"

class QWidget;

namespace vantir {

class Messages;

// The enter and leave logic of one field, where the screens' rules run: defaults when
// the cursor enters, zero-fill and lookups when it leaves. The leave logic runs once per
// visit, whichever way the cursor leaves: Enter or a step key (run by the key handler
// before it moves), Tab, or the mouse. A leave refused by a click elsewhere takes the
// cursor back to the field.
//
// The rules run through the command boundary: what they are refused or told is shown,
// and a database error ends an enter rule and keeps the cursor in the field on leaving.
class FieldHooks : public QObject {
    Q_OBJECT

  public:
    using LeaveHook = std::function<Leave()>;
    using Step = std::function<bool()>;

    // The hooks of the field, made on first use; they live as long as the field.
    static FieldHooks& on(QWidget& field, Messages& messages);
    static FieldHooks* find(const QWidget& field);
    // True from a refused mouse leave until the cursor is back in the field: commands
    // clicked meanwhile must not run.
    static bool isReclaiming();

    ~FieldHooks() override;

    QWidget& field() const { return field_; }

    // An enter rule returns nothing or a Result; a leave rule a Leave (or a Result:
    // refused, the cursor stays).
    template <typename Hook>
    void setEnterHook(Hook hook) {
        enterHook_ = CommandBoundary::asAction(std::move(hook));
    }
    void setLeaveHook(LeaveHook hook) { leaveHook_ = std::move(hook); }
    // The field's own steps around the screen's hooks: a panel moving to its record
    // before the enter hook (false ends the enter), a bound field writing its text before
    // the leave hook (a refusal is shown and keeps the cursor in the field).
    void setBeforeEnter(Step step) { beforeEnter_ = std::move(step); }
    void setBeforeLeave(CommandBoundary::Action step) { beforeLeave_ = std::move(step); }

    // Runs the leave logic unless it already ran in this visit; false when the cursor
    // is to stay in the field.
    bool tryLeave();

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    FieldHooks(QWidget& field, Messages& messages);
    bool runLeave();
    void enter();
    void reclaimFocus();

    QWidget& field_;
    Messages& messages_;
    CommandBoundary::Action enterHook_;
    LeaveHook leaveHook_;
    Step beforeEnter_;
    CommandBoundary::Action beforeLeave_;
    bool visiting_ = false;  // the enter logic ran and the cursor has not left since
    bool left_ = false;      // the leave logic of this visit ran and let the cursor go
    bool leaving_ = false;   // the leave logic is running (its hook may move the cursor)
};

}  // namespace vantir
