#pragma once

#include <gtest/gtest.h>

#include <QLineEdit>
#include <memory>

#include "SampleData.h"
#include "SampleScreen.h"
#include "support/ScreenInput.h"
#include "support/ScriptedMessages.h"

namespace vantir::test {

// The sample screen shown and active, its views open at the first record.
class SampleScreenTest : public ::testing::Test {
  protected:
    void SetUp() override {
        screen = std::make_unique<SampleScreen>(data, messages);
        ASSERT_TRUE(showActive(*screen));
        focus("EditCODE");
    }

    template <typename Widget = QWidget>
    Widget* widget(const QString& name) const {
        return childNamed<Widget>(*screen, name);
    }
    // Puts the cursor in a field as the Tab key would.
    void focus(const QString& name) const { widget(name)->setFocus(Qt::TabFocusReason); }

    SampleData data;
    ScriptedMessages messages;
    std::unique_ptr<SampleScreen> screen;
};

}  // namespace vantir::test
