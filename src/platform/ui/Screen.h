#pragma once

#include <QPointer>
#include <QWidget>
#include <memory>
#include <utility>

#include "platform/ui/CommandBoundary.h"
#include "platform/ui/OpenedDatasets.h"

namespace vantir {

class Dataset;
class KeyHandler;
class Messages;

// A modeless screen opened by the main menu, with one lifetime for all of them: the
// screen owns its rules; the views it relies on are opened when it is created and closed
// when it is closed (its close button, or the frame's) or released by the next command
// without being closed; its widgets are destroyed before its rules, so that no widget
// outlives the rules its hooks call. Closing only hides; the menu destroys the screen
// later. The screen's keys are configured on keys(); what the user does runs through
// runCommand.
class Screen : public QWidget {
    Q_OBJECT

  public:
    explicit Screen(Messages& messages, QWidget* parent = nullptr);
    ~Screen() override;

    Messages& messages() const { return messages_; }
    KeyHandler& keys() const { return *keys_; }

    // Opens the dataset (throws DbError) and remembers it for closing with the screen.
    Dataset& openDataset(Dataset& dataset) { return opened_.open(dataset); }

    // Runs a user's action (a button, a list click, a filter box) through the command
    // boundary; true when it ran to its end unrefused.
    template <typename F>
    bool runCommand(F&& action) {
        return CommandBoundary::runCommand(*this, messages_, std::forward<F>(action));
    }

    // The field the cursor starts in when the screen is shown.
    void setFirstField(QWidget* field) { firstField_ = field; }
    QWidget* firstField() const { return firstField_; }

  Q_SIGNALS:
    void closed();

  protected:
    // Makes the screen's rules, owned by the screen from now on. Rules with open() and
    // close() have their views opened now (open throws DbError) and closed with the screen.
    template <typename Rules, typename... Args>
    Rules& makeRules(Args&&... args) {
        auto owned = std::make_unique<OwnedRules<Rules>>(std::forward<Args>(args)...);
        Rules& rules = owned->rules;
        rules_ = std::move(owned);
        if constexpr (requires { rules.open(); }) rules.open();
        return rules;
    }

    // What keeps the screen open when it is asked to close, by its close button or the
    // frame's (a change not yet saved): the refusal is shown and the screen stays.
    virtual Result closeRefusal() { return Result::success(); }

    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

  private:
    // The rules' views and every view opened here are closed, once.
    void closeDatasets();

    struct Rules {
        virtual ~Rules() = default;
        virtual void close() = 0;
    };
    template <typename Owned>
    struct OwnedRules final : Rules {
        template <typename... Args>
        explicit OwnedRules(Args&&... args) : rules(std::forward<Args>(args)...) {}
        void close() override {
            if constexpr (requires { rules.close(); }) rules.close();
        }
        Owned rules;
    };

    Messages& messages_;
    KeyHandler* keys_;
    std::unique_ptr<Rules> rules_;
    OpenedDatasets opened_;
    QPointer<QWidget> firstField_;
    bool closedDatasets_ = false;
    bool shown_ = false;
};

}  // namespace vantir
