#pragma once

#include <QDate>
#include <QString>

class QDateEdit;
class QWidget;

namespace vantir {

// A date box of a list's range: "yy/MM/dd" as the dates are kept, with a Japanese
// calendar popup.
QDateEdit* makeDatePicker(const QString& name, const QDate& date, QWidget* parent);

}  // namespace vantir
