#pragma once

#include <gtest/gtest.h>

#include <QApplication>
#include <QTest>
#include <memory>

#include "support/DataModuleTest.h"
#include "support/ScriptedMessages.h"
#include "support/Seed.h"

namespace vantir::test {

// A master screen over fresh data modules, shown and active as the main menu opens it,
// driven by keys into whatever has the cursor and inspected by its controls' names.
class MasterScreenTest : public DataModuleTest {
  protected:
    void TearDown() override { screen.reset(); }

    void show(std::unique_ptr<QWidget> opened) {
        screen = std::move(opened);
        screen->show();
        screen->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(screen.get()));
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
    static void press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
        QTest::keyClick(QApplication::focusWidget(), key, modifiers);
    }
    // Half-width characters as typed, one key each.
    static void type(const QString& text) {
        for (const QChar c : text) QTest::keyClick(QApplication::focusWidget(), c.toLatin1());
    }
    QVariant stored(const QString& sql) { return dm1.database().connection().scalar(sql); }

    ScriptedMessages messages;
    std::unique_ptr<QWidget> screen;
};

}  // namespace vantir::test
