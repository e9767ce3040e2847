#pragma once

#include <QFileDialog>
#include <QString>
#include <functional>

namespace vantir {

// The file dialog of a screen that works on database files: the folder it starts in and
// its filter; the chosen file, or empty text when it was cancelled. Tests put their own.
using FileChooser = std::function<QString(const QString& folder, const QString& filter)>;

inline FileChooser openFileDialog(QWidget* parent) {
    return [parent](const QString& folder, const QString& filter) {
        return QFileDialog::getOpenFileName(parent, QString(), folder, filter);
    };
}

}  // namespace vantir
