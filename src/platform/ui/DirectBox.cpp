#include "platform/ui/DirectBox.h"

#include <QLineEdit>

#include "platform/ui/InputMode.h"

namespace vantir {

QLineEdit* makeDirectBox(const QString& name, int maxLength, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setObjectName(name);
    box->setMaxLength(maxLength);
    applyInputMode(*box, InputMode::Direct);
    return box;
}

}  // namespace vantir
