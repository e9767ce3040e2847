#include "platform/ui/DatePicker.h"

#include <QDateEdit>

#include "platform/ui/JapaneseLocale.h"

namespace vantir {

QDateEdit* makeDatePicker(const QString& name, const QDate& date, QWidget* parent) {
    auto* picker = new QDateEdit(date, parent);
    picker->setObjectName(name);
    picker->setDisplayFormat(QStringLiteral("yy/MM/dd"));
    picker->setCalendarPopup(true);
    JapaneseLocale::applyTo(*picker);
    return picker;
}

}  // namespace vantir
