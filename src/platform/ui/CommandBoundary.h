#pragma once

#include <functional>
#include <type_traits>
#include <utility>

#include "platform/dataset/Result.h"

class QWidget;

namespace vantir {

class Messages;

// Where what the user does meets what may go wrong. Every command of a screen (a record
// bar button, a function key, a screen button, a list click, a filter box) and every
// enter and leave rule runs through here: a database error (DbError) is shown with the
// engine's message and ends the action; a refused Result is shown with its message, as an
// error or as a notice. After a command the cursor goes to the field the refusal names;
// after a rule the field itself decides where the cursor is. Rules throw or return
// results and never show anything themselves.
class CommandBoundary {
  public:
    using Action = std::function<Result()>;

    // A command: text typed into the screen's bound fields is taken first (a refusal of
    // it is shown and the cursor put there), and nothing runs while a field takes the
    // cursor back after a refused leave. True when the action ran to its end unrefused.
    static bool runCommand(QWidget& screen, Messages& messages, const Action& action);
    template <typename F>
    requires(!std::is_same_v<std::decay_t<F>, Action>) static bool runCommand(QWidget& screen,
                                                                              Messages& messages,
                                                                              F&& action) {
        return runCommand(screen, messages, asAction(std::forward<F>(action)));
    }

    // A rule, or a step a widget takes for the user: its refusal or database error is
    // shown; the result is the action's, or the refusal the error made.
    static Result run(Messages& messages, const Action& action);
    template <typename F>
    requires(!std::is_same_v<std::decay_t<F>, Action>) static Result
        run(Messages& messages, F&& action) {
        return run(messages, asAction(std::forward<F>(action)));
    }

    // Shows a refusal (nothing for a result that is no refusal or has no message).
    static void tell(Messages& messages, const Result& result);
    // Shows a refusal and puts the cursor on field, or else on the bound field of the
    // column the refusal names in where's window.
    static void show(QWidget& where, Messages& messages, const Result& refusal,
                     QWidget* field = nullptr);

    // An action that returns nothing succeeds when it does not throw.
    template <typename F>
    static Action asAction(F&& action) {
        if constexpr (std::is_void_v<std::invoke_result_t<std::decay_t<F>&>>) {
            return [action = std::forward<F>(action)]() mutable {
                action();
                return Result::success();
            };
        } else {
            return Action(std::forward<F>(action));
        }
    }

  private:
    static QWidget* fieldOf(QWidget& window, const QString& column);
};

}  // namespace vantir
