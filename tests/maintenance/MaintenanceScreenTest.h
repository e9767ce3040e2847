#pragma once

#include "support/DataModuleTest.h"
#include "support/ScriptedMessages.h"
#include "support/Seed.h"

#include <QApplication>
#include <QTest>
#include <memory>

namespace vantir::test {

// A maintenance screen over fresh data modules, shown and active as the menu opens it.
class MaintenanceScreenTest : public DataModuleTest {
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
    // The cursor into a field, then the text typed there.
    void typeInto(const QString& field, const QString& text) const {
        widget(field)->setFocus(Qt::TabFocusReason);
        QTest::keyClicks(QApplication::focusWidget(), text);
    }
    QVariant stored(const QString& sql) { return dm1.database().connection().scalar(sql); }

    ScriptedMessages messages;
    std::unique_ptr<QWidget> screen;
};

}  // namespace vantir::test
