#include "platform/ui/FieldHooks.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QTimer>
#include <QWidget>

#include "platform/ui/InputMode.h"

namespace vantir {

namespace {

// The field that refused a mouse leave and is taking the cursor back. Only one cursor
// exists, so one such field at a time.
FieldHooks* reclaimer = nullptr;

bool isTab(const QKeyEvent& key) {
    if (key.modifiers() & (Qt::ControlModifier | Qt::AltModifier)) return false;
    return key.key() == Qt::Key_Tab || key.key() == Qt::Key_Backtab;
}

}  // namespace

FieldHooks::FieldHooks(QWidget& field, Messages& messages)
    : QObject(&field), field_(field), messages_(messages) {
    setObjectName(QStringLiteral("vantirFieldHooks"));
    field.installEventFilter(this);
}

FieldHooks::~FieldHooks() {
    if (reclaimer == this) reclaimer = nullptr;
}

FieldHooks& FieldHooks::on(QWidget& field, Messages& messages) {
    if (FieldHooks* hooks = find(field)) return *hooks;
    return *new FieldHooks(field, messages);
}

FieldHooks* FieldHooks::find(const QWidget& field) {
    return field.findChild<FieldHooks*>(QString(), Qt::FindDirectChildrenOnly);
}

bool FieldHooks::isReclaiming() { return reclaimer != nullptr; }

bool FieldHooks::tryLeave() {
    if (left_) return true;
    leaving_ = true;
    if (auto* edit = qobject_cast<QLineEdit*>(&field_)) finishInput(*edit);
    const bool go = runLeave();
    leaving_ = false;
    left_ = go;
    // A hook that put the cursor elsewhere itself ended this visit.
    if (go && field_.window()->focusWidget() != &field_) visiting_ = left_ = false;
    return go;
}

bool FieldHooks::runLeave() {
    if (beforeLeave_ && !CommandBoundary::run(messages_, beforeLeave_)) return false;
    if (!leaveHook_) return true;
    Leave leave = Leave::Go;
    if (!CommandBoundary::run(messages_, [&] { leave = leaveHook_(); })) return false;
    CommandBoundary::tell(messages_, leave.told());
    return !leave.stays();
}

bool FieldHooks::eventFilter(QObject* watched, QEvent* event) {
    if (watched != &field_) return false;
    switch (event->type()) {
        case QEvent::FocusIn:
            if (!visiting_) enter();
            break;
        case QEvent::FocusOut: {
            const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
            // A message box or a drop-down list taking the cursor for a moment is no leave.
            if (reason == Qt::ActiveWindowFocusReason || reason == Qt::PopupFocusReason) break;
            if (leaving_) break;
            if (reclaimer == nullptr && visiting_ && !tryLeave()) {
                reclaimFocus();
                break;
            }
            visiting_ = left_ = false;
            break;
        }
        case QEvent::KeyPress: {
            const auto& key = *static_cast<QKeyEvent*>(event);
            if (isTab(key)) {
                const bool go = tryLeave();
                // A hook that put the cursor elsewhere itself has spent the Tab: it
                // must not move on again from there.
                return !go || field_.window()->focusWidget() != &field_;
            }
            left_ = false;  // still typing here: the next leave runs the logic again
            break;
        }
        default:
            break;
    }
    return false;
}

void FieldHooks::enter() {
    left_ = false;
    // A refused enter is no visit: there is nothing for the leave logic to finish.
    visiting_ = !beforeEnter_ || beforeEnter_();
    if (visiting_ && enterHook_) CommandBoundary::run(messages_, enterHook_);
}

void FieldHooks::reclaimFocus() {
    reclaimer = this;
    QTimer::singleShot(0, this, [this] {
        field_.setFocus(Qt::OtherFocusReason);
        if (reclaimer == this) reclaimer = nullptr;
    });
}

}  // namespace vantir
