#pragma once

namespace vantir {

class CommandTable;
class LongLivedScreens;

// The one place where the subsystems plug their screens into the main menu: each screen
// opened by a command is registered under its mode name (table.setScreenFactory), each
// screen kept for the whole run under its name (longLived.registerScreen). A command
// whose screen is not registered stays in the menu and does nothing.
void registerScreens(CommandTable& table, LongLivedScreens& longLived);

}  // namespace vantir
