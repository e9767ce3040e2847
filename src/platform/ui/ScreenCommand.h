#pragma once

#include <functional>

class QWidget;

namespace vantir {

class Messages;

// Runs one command of a screen (a record bar button, a function key, a screen button)
// the way every command runs: text typed into the screen's bound fields is taken first
// (a refusal is shown and the cursor put there), nothing runs while a field takes the
// cursor back after a refused leave, and a database error is shown with the engine's
// message and ends the command. True when the command ran to its end.
bool runScreenCommand(QWidget& screen, Messages& messages, const std::function<void()>& command);

}  // namespace vantir
