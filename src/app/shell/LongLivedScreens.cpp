#include "app/shell/LongLivedScreens.h"

#include "app/shell/ScreenContext.h"

namespace vantir {

void LongLivedScreens::registerScreen(const QString& name, Factory factory) {
    factories_.append({name, std::move(factory)});
}

void LongLivedScreens::createAll(const ScreenContext& context) {
    for (const auto& [name, factory] : factories_) {
        if (screens_.value(name)) continue;
        std::unique_ptr<QWidget> screen = factory(context);
        if (!screen) continue;
        // Owned by the main window from now on, as a window of its own.
        screen->setParent(context.mainWindow, screen->windowFlags() | Qt::Window);
        screens_.insert(name, screen.release());
    }
}

bool LongLivedScreens::show(const QString& name) const {
    QWidget* screen = find(name);
    if (!screen) return false;
    screen->show();
    screen->raise();
    screen->activateWindow();
    return true;
}

}  // namespace vantir
