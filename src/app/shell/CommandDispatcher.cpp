#include "app/shell/CommandDispatcher.h"

#include "app/shell/CommandTable.h"
#include "app/shell/LongLivedScreens.h"
#include "data/AppState.h"
#include "platform/db/DbError.h"
#include "platform/system/Messages.h"

namespace vantir {

CommandDispatcher::CommandDispatcher(const CommandTable& table, ScreenContext base)
    : table_(table), base_(std::move(base)) {}

CommandDispatcher::~CommandDispatcher() { releaseOpened(); }

void CommandDispatcher::runButton(int group, const QString& button) {
    if (const MenuCommand* command = table_.find(group, button)) run(*command);
}

void CommandDispatcher::run(const MenuCommand& command) {
    switch (command.kind) {
        case CommandKind::OpenScreen:
            // A command whose screen is not plugged in yet is offered and does nothing.
            if (command.factory) openScreens(command);
            break;
        case CommandKind::ShowLongLivedScreen:
            base_.longLived.show(command.longLivedScreen);
            break;
        case CommandKind::Nothing:
            break;
    }
}

void CommandDispatcher::openScreens(const MenuCommand& command) {
    releaseOpened();
    base_.state.EditPName = command.modeName;

    ScreenContext context = base_;
    context.modeName = command.modeName;
    context.reportName = command.reportName;
    ScreenSet screens;
    try {
        screens = command.factory(context);
    } catch (const DbError& error) {
        base_.messages.error(error.message());
        return;
    }
    for (auto& screen : screens) {
        if (!screen) continue;
        // A window of its own that goes with the main window at the end of the run.
        screen->setParent(base_.mainWindow, screen->windowFlags() | Qt::Window);
        opened_.emplace_back(screen.release());
    }
    if (!opened_.empty() && opened_.front()) opened_.front()->show();
}

void CommandDispatcher::releaseOpened() {
    // Taken out first: closing a screen may run code that opens or releases again.
    std::vector<QPointer<QWidget>> screens;
    screens.swap(opened_);
    for (const QPointer<QWidget>& screen : screens) {
        if (!screen) continue;
        screen->close();
        delete screen.data();
    }
}

std::vector<QWidget*> CommandDispatcher::opened() const {
    std::vector<QWidget*> alive;
    for (const QPointer<QWidget>& screen : opened_) {
        if (screen) alive.push_back(screen.data());
    }
    return alive;
}

}  // namespace vantir
