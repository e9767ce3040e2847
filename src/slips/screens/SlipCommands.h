#pragma once

#include <QString>
#include <functional>

#include "platform/dataset/EventSubscriptions.h"

class QEvent;
class QObject;
class QPushButton;
class QWidget;

namespace vantir {

class HandBackOffers;
class RecordForm;
class Screen;
struct SearchDialogs;
class SlipRules;

// What the slip entry and the slip correction offer alike around the slip's record form:
// the command buttons with the same commands in the menu "データベース" and on F1, F9, F3
// and F12, the sky-blue customer and carrier names a double-click opens a search from, and
// the codes the searches hand back. Appending differs between the two screens, so the
// screen gives its own; the correction has no "F3 追加" button.
class SlipCommands {
  public:
    // Everything given must outlive this.
    SlipCommands(Screen& screen, SlipRules& slip, SearchDialogs& searches,
                 std::function<void()> appendSlip);

    // A command button: a click runs the command with the cursor left where it is.
    static QPushButton* commandButton(const QString& caption, const QString& name, QWidget* parent);

    // Colours the names, lets the screen's event filter see their double-clicks and offers
    // the customer and carrier codes to the searches where the slip takes them.
    void attachForm(RecordForm& form, HandBackOffers& offers);
    // Opens the name's search on a double-click; the screen's eventFilter calls it.
    void watchName(QObject* watched, QEvent* event);

    // The screen's layout: the menu, the screen's own bar above the form, the command
    // buttons below it; the buttons follow the slip's editing from now on.
    void layOutScreen(QWidget* topBar, bool withAppendButton, Event<bool>& slipEditingChanged);
    // While a slip is being entered or changed only register and cancel are offered; once
    // it is saved or cancelled only append and delete. The keys and menu items work
    // throughout.
    void showSlipEditing(bool editing);

  private:
    QWidget* makeCommands(bool withAppendButton);
    void makeMenu();
    void takeHandedBack(const QString& column, const QString& code);
    void registerSlip();
    void cancelSlip();
    void deleteSlip();

    Screen& screen_;
    SlipRules& slip_;
    SearchDialogs& searches_;
    std::function<void()> appendSlip_;
    RecordForm* form_ = nullptr;
    QPushButton* post_ = nullptr;
    QPushButton* cancel_ = nullptr;
    QPushButton* append_ = nullptr;
    QPushButton* delete_ = nullptr;
    EventSubscriptions subscriptions_;
};

}  // namespace vantir
