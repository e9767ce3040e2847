#include "platform/ui/QtMessages.h"

#include <QApplication>
#include <QMessageBox>

namespace vantir {

namespace {

// Boxes without a caption of their own carry the program's title, as the clerks know it.
QString programTitle() { return QApplication::applicationDisplayName(); }

}  // namespace

void QtMessages::notice(const QString& text) {
    QMessageBox::information(parent_, programTitle(), text, QMessageBox::Ok);
}

bool QtMessages::question(const QString& text, const QString& caption) {
    return QMessageBox::question(parent_, caption, text, QMessageBox::Yes | QMessageBox::No,
                                 QMessageBox::Yes) == QMessageBox::Yes;
}

void QtMessages::error(const QString& text) {
    QMessageBox::critical(parent_, programTitle(), text, QMessageBox::Ok);
}

}  // namespace vantir
