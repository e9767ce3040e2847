#pragma once

#include <memory>

#include "support/DataModuleTest.h"
#include "support/ScreenInput.h"
#include "support/ScriptedMessages.h"
#include "support/Seed.h"

namespace vantir::test {

// A screen over fresh data modules, shown and active as the main menu opens it, driven by
// keys into whatever has the cursor (ScreenInput.h) and inspected by its controls' names.
class ShownScreenTest : public DataModuleTest {
  protected:
    void TearDown() override { screen.reset(); }

    void show(std::unique_ptr<QWidget> opened) {
        screen = std::move(opened);
        ASSERT_TRUE(showActive(*screen));
    }

    template <typename Widget = QWidget>
    Widget* widget(const QString& name) const {
        return childNamed<Widget>(*screen, name);
    }
    // Puts the cursor in a field as the Tab key would.
    void focus(const QString& name) const { widget(name)->setFocus(Qt::TabFocusReason); }
    // The cursor into a field, then the text typed there.
    void typeInto(const QString& name, const QString& text) const {
        focus(name);
        type(text);
    }
    QVariant stored(const QString& sql) { return dm1.database().connection().scalar(sql); }

    ScriptedMessages messages;
    std::unique_ptr<QWidget> screen;
};

}  // namespace vantir::test
