#include "platform/ui/KeyHandler.h"

#include <QAbstractButton>
#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

#include "platform/ui/CommandBoundary.h"
#include "platform/ui/FieldHooks.h"

namespace vantir {

namespace {

bool canTakeFocus(const QWidget& widget) {
    return widget.isEnabled() && widget.isVisible() && widget.focusPolicy() != Qt::NoFocus;
}

}  // namespace

KeyHandler::KeyHandler(QWidget& screen, Messages& messages)
    : QObject(&screen), screen_(screen), messages_(messages) {
    // The screen sees every key first, whichever of its fields has the cursor.
    qApp->installEventFilter(this);
}

KeyHandler::~KeyHandler() { qApp->removeEventFilter(this); }

void KeyHandler::setSequence(const QList<QWidget*>& fields) {
    sequence_.clear();
    for (QWidget* field : fields) sequence_.append(field);
}

void KeyHandler::setMovesLike(QWidget* field, QWidget* sequenceField) {
    movesLike_.insert(field, sequenceField);
}

void KeyHandler::setStepKeys(QChar next, QChar previous) {
    nextChar_ = next;
    previousChar_ = previous;
}

void KeyHandler::bindKey(int key, std::function<void()> command) {
    commands_.insert(key, std::move(command));
}

bool KeyHandler::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::KeyPress) return false;
    auto* widget = qobject_cast<QWidget*>(watched);
    if (!widget || widget->window() != screen_.window()) return false;
    // A key a field does not take travels on to its parents; act on it once, where it
    // first arrives.
    QWidget* focus = screen_.window()->focusWidget();
    if (widget != (focus ? focus : screen_.window())) return false;
    return handleKey(*static_cast<QKeyEvent*>(event), *widget);
}

bool KeyHandler::handleKey(QKeyEvent& key, QWidget& focus) {
    const Qt::KeyboardModifiers modifiers = key.modifiers() & ~Qt::KeypadModifier;
    if (modifiers == Qt::NoModifier && commands_.contains(key.key())) {
        CommandBoundary::runCommand(screen_, messages_, commands_.value(key.key()));
        return true;
    }
    const bool typing = !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
    if (typing && key.text().size() == 1) {
        const QChar typed = key.text().at(0);
        const bool next = !nextChar_.isNull() && typed == nextChar_;
        const bool previous = !previousChar_.isNull() && typed == previousChar_;
        if (next || previous) {
            step(next ? +1 : -1);
            return true;
        }
    }
    const bool enter = key.key() == Qt::Key_Return || key.key() == Qt::Key_Enter;
    if (enter && modifiers == Qt::NoModifier && enterAsTab_ &&
        (&focus == enterAsTab_ || enterAsTab_->isAncestorOf(&focus))) {
        QKeyEvent tab(QEvent::KeyPress, Qt::Key_Tab, Qt::NoModifier, QStringLiteral("\t"));
        QApplication::sendEvent(&focus, &tab);
        return true;
    }
    if (enter && (modifiers == Qt::NoModifier || modifiers == Qt::ShiftModifier)) {
        if (auto* button = qobject_cast<QAbstractButton*>(&focus);
            button && modifiers == Qt::NoModifier) {
            button->click();
            return true;
        }
        if (enterKeys_ && positionOf(&focus) >= 0) {
            step(modifiers == Qt::ShiftModifier ? -1 : +1);
            return true;
        }
        return enterSwallowed_;
    }
    const bool page = key.key() == Qt::Key_PageDown || key.key() == Qt::Key_PageUp;
    if (pageKeys_ && page && modifiers == Qt::NoModifier && positionOf(&focus) >= 0) {
        step(key.key() == Qt::Key_PageDown ? +1 : -1);
        return true;
    }
    return false;
}

int KeyHandler::positionOf(QWidget* field) const {
    // A field made of parts (a date box's line edit) is found by its outer widget.
    for (QWidget* widget = field; widget; widget = widget->parentWidget()) {
        for (int i = 0; i < sequence_.size(); ++i) {
            if (sequence_.at(i) == widget) return i;
        }
        if (QWidget* like = movesLike_.value(widget)) return positionOf(like);
        if (widget->isWindow()) break;
    }
    return -1;
}

QWidget* KeyHandler::neighbour(int position, int direction) const {
    const int count = int(sequence_.size());
    int i = position;
    for (int tried = 1; tried < count; ++tried) {
        i += direction;
        if (i < 0 || i >= count) {
            if (!wrapping_) return nullptr;
            i = (i + count) % count;
        }
        if (QWidget* candidate = sequence_.at(i); candidate && canTakeFocus(*candidate))
            return candidate;
    }
    return nullptr;
}

bool KeyHandler::step(int direction) {
    QWidget* focus = screen_.window()->focusWidget();
    const int position = positionOf(focus);
    if (position < 0) return false;
    QWidget* target = neighbour(position, direction);
    if (!target) return false;
    if (FieldHooks* hooks = FieldHooks::find(*focus); hooks && !hooks->tryLeave()) return false;
    // The leave logic may have put the cursor somewhere itself; that is where it stays.
    if (screen_.window()->focusWidget() != focus) return true;
    target->setFocus(direction > 0 ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}

}  // namespace vantir
