#pragma once

#include <QWidget>
#include <array>
#include <functional>

#include "platform/dataset/EventSubscriptions.h"
#include "platform/dataset/Result.h"

class QPushButton;

namespace vantir {

class Dataset;
class Messages;

// The record command bar of a screen: ten text buttons in fixed positions, each with its
// caption as its hint, of which the screen shows the ones it offers. Their enabled
// states follow the dataset: moving back is offered away from the first record, moving
// on away from the last, post and cancel while a record is edited, edit while not.
// Deleting asks first. Its commands run through the command boundary: a refused post
// shows its message, keeps the record buffer and puts the cursor on the field at fault. The bar
// tells when the cursor comes into it and when it leaves (screens tidy the record before a command
// and refresh after one).
class RecordBar : public QWidget {
    Q_OBJECT

  public:
    enum Button { First, Prior, Next, Last, Insert, Delete, Edit, Post, Cancel, Refresh };
    static constexpr int kButtonCount = Refresh + 1;

    static const QString& caption(Button button);
    static const QString& deleteQuestion();

    // objectName: the bar's control name on its screen (DBNavigator1, ...).
    RecordBar(Dataset& dataset, Messages& messages, const QString& objectName,
              QWidget* parent = nullptr);
    ~RecordBar() override;

    QPushButton* button(Button button) const { return buttons_.at(button); }
    // Shows the buttons the screen offers and hides the others.
    void setVisibleButtons(const QList<Button>& buttons);
    // The screen's checks before a record is posted (by the post button, or before the
    // bar moves away from a changed record); a refusal is shown as a refused post is.
    void setBeforePost(std::function<Result()> check) { beforePost_ = std::move(check); }

    // Runs a command as its button does. True when it ran to its end.
    bool run(Button button);

  Q_SIGNALS:
    void focusEntered();
    void focusLeft();
    void executed(vantir::RecordBar::Button button);

  private:
    Result execute(Button button);
    Result post();
    Result postPending();
    void updateButtons();
    void followFocus(QWidget* now);

    Dataset& dataset_;
    Messages& messages_;
    std::array<QPushButton*, kButtonCount> buttons_{};
    std::function<Result()> beforePost_;
    bool hasFocus_ = false;
    EventSubscriptions subscriptions_;
};

}  // namespace vantir
