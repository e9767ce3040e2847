#include "platform/ui/Screen.h"

#include <QCloseEvent>

#include "platform/ui/KeyHandler.h"

namespace vantir {

Screen::Screen(Messages& messages, QWidget* parent)
    : QWidget(parent), messages_(messages), keys_(new KeyHandler(*this, messages)) {
    // A window of its own even when the main window is its parent; closing only hides.
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

Screen::~Screen() = default;

void Screen::closeEvent(QCloseEvent* event) {
    // Closing the views drops a pending change unasked; screens that ask first do so in
    // their own close command, before they call close().
    closeDatasets();
    QWidget::closeEvent(event);
    Q_EMIT closed();
}

}  // namespace vantir
