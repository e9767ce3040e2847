#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

#include "app/shell/ScreenContext.h"

namespace vantir {

class CommandTable;
struct MenuCommand;

// Runs the main menu's commands. At most one command's screens exist at a time: opening
// another releases them first (closed and destroyed), whether or not the user closed them,
// then records the new mode name in EditPName and opens the new screens without blocking.
// Screens made at start are only shown and leave all of that alone.
class CommandDispatcher {
  public:
    // base gives everything of a screen's context but the mode and report names.
    CommandDispatcher(const CommandTable& table, ScreenContext base);
    ~CommandDispatcher();
    CommandDispatcher(const CommandDispatcher&) = delete;
    CommandDispatcher& operator=(const CommandDispatcher&) = delete;

    // Act_Sub: the command of the pair (group, button); a pair with none does nothing.
    void runButton(int group, const QString& button);
    void run(const MenuCommand& command);
    // Act_Free: closes and destroys the screens of the last command.
    void releaseOpened();

    // The screens of the last command still alive, the shown one first.
    std::vector<QWidget*> opened() const;

  private:
    void openScreens(const MenuCommand& command);

    const CommandTable& table_;
    ScreenContext base_;
    std::vector<QPointer<QWidget>> opened_;
};

}  // namespace vantir
