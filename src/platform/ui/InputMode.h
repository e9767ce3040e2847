#pragma once

class QLineEdit;
class QWidget;

namespace vantir {

// How a field is typed into. Codes, numbers and dates are typed directly with the input
// method off; names and free text with kana-kanji input on; kana readings are stored
// in half-width katakana, whatever kana the input method produced.
enum class InputMode { Direct, Hiragana, HalfKatakana };

// Switches the input method of a field for its mode. The platform cannot be told to
// produce hiragana or katakana, so those modes only switch it on.
void applyInputMode(QWidget& field, InputMode mode);

// The mode given to the field; fields never given one take kana-kanji input.
InputMode inputModeOf(const QWidget& field);

// What the field does with its text when the cursor leaves it: a half-width katakana
// field turns full-width katakana into half-width. True when the text changed.
bool finishInput(QLineEdit& field);

}  // namespace vantir
