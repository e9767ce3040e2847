#include "maintenance/rules/ControlRecord.h"

#include "platform/dataset/Dataset.h"

namespace vantir {

namespace {
const QString kCode = QStringLiteral("CODE");
const QString kControlCode = QStringLiteral("1");
}  // namespace

Result ControlRecord::enterCode(Dataset& sControl) {
    if (!sControl.text(kCode).isEmpty()) return Result::success();
    // Editing an empty table starts its first row.
    if (!sControl.isEditing()) sControl.edit();
    return sControl.setValue(kCode, kControlCode);
}

Result ControlRecord::beforePost(Dataset& sControl) {
    if (!sControl.isEditing() || !sControl.text(kCode).isEmpty()) return Result::success();
    return sControl.setValue(kCode, kControlCode);
}

}  // namespace vantir
