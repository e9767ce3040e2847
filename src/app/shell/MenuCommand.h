#pragma once

#include <QString>
#include <functional>

#include "app/shell/ScreenContext.h"

namespace vantir {

using ScreenFactory = std::function<ScreenSet(const ScreenContext&)>;

// What choosing a command button does.
enum class CommandKind {
    // Releases the screens of the previous command, writes the mode name into EditPName
    // and opens the command's screens modeless.
    OpenScreen,
    // Shows a screen made at start; EditPName and the open screens are left alone
    // (database compaction, data switch).
    ShowLongLivedScreen,
    // A button that is offered and does nothing ("更新処理"), or a caption without a command.
    Nothing,
};

// One row of the main menu's command table.
struct MenuCommand {
    int group = 0;   // EditMPage, 1 to 9
    QString button;  // "btnMS1" .. "btnMS9", "btnDB_Change"
    QString caption;
    QString commandName;  // "Act_NippoInp"; empty for a button without a command
    QString modeName;     // written into EditPName; empty when EditPName is kept
    QString reportName;   // for a selection screen that serves several reports
    CommandKind kind = CommandKind::Nothing;
    bool visible = true;      // a hidden button keeps its caption and command
    QString longLivedScreen;  // ShowLongLivedScreen: the name it was made under
    ScreenFactory factory;    // OpenScreen: empty until the screen's subsystem plugs it in
};

}  // namespace vantir
