#pragma once

#include "SampleData.h"
#include "SampleScreen.h"
#include "support/ScriptedMessages.h"

#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QTest>
#include <gtest/gtest.h>
#include <memory>

namespace vantir::test {

// The sample screen shown and active, its views open at the first record.
class SampleScreenTest : public ::testing::Test {
protected:
    void SetUp() override {
        screen = std::make_unique<SampleScreen>(data, messages);
        screen->show();
        screen->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
        focus("EditCODE");
    }

    template <typename Widget = QWidget>
    Widget* widget(const QString& name) const {
        auto* found = screen->findChild<Widget*>(name);
        EXPECT_NE(found, nullptr) << name.toStdString();
        return found;
    }
    // Puts the cursor in a field as the Tab key would.
    void focus(const QString& name) const { widget(name)->setFocus(Qt::TabFocusReason); }
    static QString focusName() {
        return QApplication::focusWidget() ? QApplication::focusWidget()->objectName() : QString();
    }

    // Keys as the user presses them, into whatever has the cursor.
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    static void type(const QString& text) {
        for (const QChar c : text) {
            const auto key = c.unicode() < 0x80 ? Qt::Key(c.toUpper().unicode()) : Qt::Key_unknown;
            QTest::sendKeyEvent(QTest::Click, QApplication::focusWidget(), key, QString(c),
                                Qt::NoModifier);
        }
    }
    // Text as the input method hands over a converted phrase: all at once.
    static void commit(const QString& text) {
        QInputMethodEvent event;
        event.setCommitString(text);
        QApplication::sendEvent(QApplication::focusWidget(), &event);
    }

    SampleData data;
    ScriptedMessages messages;
    std::unique_ptr<SampleScreen> screen;
};

}  // namespace vantir::test
