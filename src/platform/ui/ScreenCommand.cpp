#include "platform/ui/ScreenCommand.h"

#include <QWidget>

#include "platform/db/DbError.h"
#include "platform/system/Messages.h"
#include "platform/ui/BoundLineEdit.h"
#include "platform/ui/FieldHooks.h"

namespace vantir {

bool runScreenCommand(QWidget& screen, Messages& messages, const std::function<void()>& command) {
    if (FieldHooks::isReclaiming()) return false;
    if (!BoundLineEdit::commitAll(*screen.window(), messages)) return false;
    try {
        command();
    } catch (const DbError& error) {
        messages.error(error.message());
        return false;
    }
    return true;
}

}  // namespace vantir
