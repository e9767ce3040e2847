#pragma once

class QLineEdit;
class QString;
class QWidget;

namespace vantir {

// A box of a screen's selection bar that is typed into directly, the input method off: a
// code, a closing day, a month. It takes at most maxLength characters.
QLineEdit* makeDirectBox(const QString& name, int maxLength, QWidget* parent);

}  // namespace vantir
