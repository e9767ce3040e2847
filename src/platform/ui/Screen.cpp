#include "platform/ui/Screen.h"

#include <QCloseEvent>

#include "platform/ui/FieldHooks.h"
#include "platform/ui/KeyHandler.h"

namespace vantir {

Screen::Screen(Messages& messages, QWidget* parent)
    : QWidget(parent), messages_(messages), keys_(new KeyHandler(*this, messages)) {
    // A window of its own even when the main window is its parent; closing only hides.
    setWindowFlag(Qt::Window);
    setAttribute(Qt::WA_DeleteOnClose, false);
}

Screen::~Screen() {
    // Released without being closed, the screen still closes its views. Then the widgets
    // go, and only then the rules their hooks and signals call; the cursor leaving a
    // field that goes runs no leave logic any more.
    closeDatasets();
    qDeleteAll(findChildren<FieldHooks*>());
    QList<QPointer<QWidget>> widgets;
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) widgets << child;
    for (const QPointer<QWidget>& widget : widgets) delete widget.data();
    rules_.reset();
}

void Screen::closeDatasets() {
    if (std::exchange(closedDatasets_, true)) return;
    if (rules_) rules_->close();
    opened_.closeAll();
}

void Screen::closeEvent(QCloseEvent* event) {
    if (!runCommand([this] { return closeRefusal(); })) {
        event->ignore();
        // The refusal's message box hands the focus to its own parent when it goes; the
        // clerk goes on in this screen, with the keys acting on it.
        activateWindow();
        return;
    }
    // Closing the views drops whatever change the screen let go.
    closeDatasets();
    QWidget::closeEvent(event);
    Q_EMIT closed();
}

void Screen::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    // A screen shown again (the dispatch list's inquiry) closes its views again when it
    // next closes.
    closedDatasets_ = false;
    if (std::exchange(shown_, true) || !firstField_) return;
    firstField_->setFocus(Qt::OtherFocusReason);
}

}  // namespace vantir
