#pragma once

#include <functional>

#include "cash/rules/CashEntryRules.h"
#include "data/HandBacks.h"
#include "platform/dataset/EventSubscriptions.h"
#include "platform/ui/FormField.h"
#include "platform/ui/Screen.h"

class QLineEdit;
class QPushButton;

namespace vantir {

class BoundLineEdit;
class CashSearchList;
class RecordForm;

// The receipt entry (入金伝表) and its twin, the payment entry (下払伝票): the date bar
// with the setting date and the button to the search list, the record form of one
// receipt or payment, the record bar and the close button. "+" and "-" step between the
// fields and can never be typed, so no amount is keyed as negative.
class CashEntryScreen : public Screen {
    Q_OBJECT

  public:
    // Shows the screen's other screens by name (the partner searches made at start).
    using OpenScreen = std::function<void(const QString& name)>;

    // Opens the views (throws DbError); everything passed must outlive the screen.
    CashEntryScreen(const CashSide& side, DataModule1& data, HandBacks& handBacks,
                    Messages& messages, QString& settingDate, const QString& workingDate,
                    OpenScreen openScreen, QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    QList<FormField> fieldTable();
    QWidget* makeDateBar();
    QLineEdit* makeDateBox(const QString& name);
    void dateBoxLeft(QLineEdit* box, SetDateResult result);
    void showSearchList();

    CashEntryRules& rules_;
    OpenScreen openScreen_;
    QLineEdit* year_ = nullptr;
    QLineEdit* month_ = nullptr;
    QLineEdit* day_ = nullptr;
    QPushButton* searchButton_ = nullptr;
    RecordForm* form_ = nullptr;
    BoundLineEdit* partnerName_ = nullptr;
    CashSearchList* searchList_ = nullptr;
    HandBackOffers offers_;
    EventSubscriptions subscriptions_;
};

}  // namespace vantir
