#pragma once

#include <QList>
#include <QString>
#include <QStringList>

#include "app/shell/MenuCommand.h"

namespace vantir {

// The main menu as data: nine groups of up to nine command buttons, each button's caption,
// command, mode name and report name, and the screen factory its subsystem plugs in. The
// main window only reads it; a command whose screen is not plugged in yet does nothing.
class CommandTable {
  public:
    static constexpr int kGroups = 9;
    static constexpr int kButtonsPerGroup = 9;
    static const QString kDbChangeButton;  // "btnDB_Change", shown in group 9 only

    // The complete table, no screen plugged in.
    CommandTable();

    // The group button's caption, also the group title shown in Label1 ("日次処理" for 1).
    static QString groupCaption(int group);
    // "btnMS1" .. "btnMS9".
    static QString commandButton(int index);

    const QList<MenuCommand>& commands() const { return commands_; }
    // The command of the pair (group, button); nullptr when the pair has none.
    const MenuCommand* find(int group, const QString& button) const;
    const MenuCommand* findByMode(const QString& modeName) const;

    // Plugs the screen opened under modeName into its command. false when no command of
    // the table opens a screen under that mode.
    bool setScreenFactory(const QString& modeName, ScreenFactory factory);

  private:
    QList<MenuCommand> commands_;
};

}  // namespace vantir
