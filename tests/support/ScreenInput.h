#pragma once

#include <QApplication>
#include <QInputMethodEvent>
#include <QTest>
#include <QWidget>
#include <gtest/gtest.h>

namespace vantir::test {

// Driving a shown screen as the user does: keys go to whatever has the cursor, so the
// screen's key handling sees them first, as it sees the user's.

// Shows the window and makes it the active one (keys and focus need an active window).
// A control of a screen by its object name; a test failure names a control that is missing.
template <typename Widget = QWidget>
Widget* childNamed(const QWidget& screen, const QString& name) {
    auto* found = screen.findChild<Widget*>(name);
    EXPECT_NE(found, nullptr) << name.toStdString();
    return found;
}

inline bool showActive(QWidget& window) {
    window.show();
    window.activateWindow();
    return QTest::qWaitForWindowActive(&window);
}

inline QString focusName() {
    const QWidget* focus = QApplication::focusWidget();
    return focus ? focus->objectName() : QString();
}

inline void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

// One key per character, Japanese included (full-width characters as a keyboard that
// produces them directly would send them).
inline void type(const QString& text) {
    for (const QChar c : text) {
        const auto key = c.unicode() < 0x80 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown;
        QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), key, QString(c),
                            Qt::NoModifier);
    }
}

// Text as the input method hands over a converted phrase: all at once.
inline void commitText(const QString& text) {
    QInputMethodEvent event;
    event.setCommitString(text);
    QApplication::sendEvent(QApplication::focusWidget(), &event);
}

}  // namespace vantir::test
