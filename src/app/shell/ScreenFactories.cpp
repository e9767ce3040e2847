#include "app/shell/ScreenFactories.h"

#include "app/shell/AboutBox.h"
#include "app/shell/CommandTable.h"
#include "app/shell/LongLivedScreens.h"
#include "app/shell/ScreenContext.h"

namespace vantir {

void registerScreens(CommandTable& table, LongLivedScreens& longLived) {
    (void)table;

    // Screens made at start.
    longLived.registerScreen(QStringLiteral("AboutBox"), [](const ScreenContext&) {
        return std::make_unique<AboutBox>();
    });
}

}  // namespace vantir
