#include "platform/ui/InputMode.h"

#include <QEvent>
#include <QLineEdit>
#include <QVariant>

#include "platform/text/HalfWidthKatakana.h"

namespace vantir {

namespace {

const char* const kModeProperty = "vantirInputMode";
const char* const kFinisherProperty = "vantirKanaFinisher";

// Converts the kana of a half-width katakana field when the cursor leaves it by any way.
class KanaFinisher : public QObject {
  public:
    explicit KanaFinisher(QLineEdit& field) : QObject(&field), field_(field) {}

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (watched == &field_ && event->type() == QEvent::FocusOut) finishInput(field_);
        return false;
    }

  private:
    QLineEdit& field_;
};

}  // namespace

InputMode inputModeOf(const QWidget& field) {
    const QVariant mode = field.property(kModeProperty);
    return mode.isValid() ? static_cast<InputMode>(mode.toInt()) : InputMode::Hiragana;
}

void applyInputMode(QWidget& field, InputMode mode) {
    const bool direct = mode == InputMode::Direct;
    field.setProperty(kModeProperty, static_cast<int>(mode));
    field.setAttribute(Qt::WA_InputMethodEnabled, !direct);
    field.setInputMethodHints(direct ? Qt::ImhPreferLatin : Qt::ImhNone);
    auto* edit = qobject_cast<QLineEdit*>(&field);
    if (edit && mode == InputMode::HalfKatakana && !edit->property(kFinisherProperty).toBool()) {
        edit->installEventFilter(new KanaFinisher(*edit));
        edit->setProperty(kFinisherProperty, true);
    }
}

bool finishInput(QLineEdit& field) {
    if (inputModeOf(field) != InputMode::HalfKatakana) return false;
    const QString converted = toHalfWidthKatakana(field.text());
    if (converted == field.text()) return false;
    // Replaced as if typed, so that a bound field writes the converted text too.
    field.selectAll();
    field.insert(converted);
    return true;
}

}  // namespace vantir
