#pragma once

#include <QString>
#include <memory>
#include <vector>

class QWidget;

namespace vantir {

class DataModule1;
class DataModule2;
class HandBacks;
class HookTargets;
class LongLivedScreens;
class Messages;
struct AppState;

// What a screen factory gets: the program's shared state and views, and the command it
// is made for.
struct ScreenContext {
    ScreenContext(AppState& state, DataModule1& dm1, DataModule2& dm2, HookTargets& hookTargets,
                  HandBacks& handBacks, Messages& messages, LongLivedScreens& longLived)
        : state(state),
          dm1(dm1),
          dm2(dm2),
          hookTargets(hookTargets),
          handBacks(handBacks),
          messages(messages),
          longLived(longLived) {}

    AppState& state;
    DataModule1& dm1;
    DataModule2& dm2;
    // A screen the record hooks serve attaches itself here under modeName.
    HookTargets& hookTargets;
    // A screen the searches hand values back to offers them here under modeName.
    HandBacks& handBacks;
    Messages& messages;
    // The screens made at start (searches, About box, compaction, data switch).
    LongLivedScreens& longLived;
    // The main window: parent of every screen, so that screens go with it.
    QWidget* mainWindow = nullptr;
    // The program directory ("VantirTenSet.ini", the DataBase folder).
    QString programDir;
    // The mode name the screen is opened under, and the report a selection screen that
    // serves several reports is to prepare (empty for the others).
    QString modeName;
    QString reportName;
};

// The screens one command opens; the first is shown, the others are made alongside it
// (the dispatch list with its inquiry screen, the password dialog with the initialization
// screen) and go with it when the next command releases them.
using ScreenSet = std::vector<std::unique_ptr<QWidget>>;

}  // namespace vantir
