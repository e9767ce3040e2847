#pragma once

#include "masters/rules/PartnerMasterRules.h"
#include "platform/ui/EventSubscriptions.h"
#include "platform/ui/Screen.h"

class QComboBox;
class QLineEdit;

namespace vantir {

class BoundLineEdit;
class DataModule1;
class DatasetGrid;
class FieldForm;
class RecordBar;

// The partner master (取引先マスタ): on the left the filter box and the list of partners,
// on the right the record form of the partner picked in the list, below them the record
// bar and the close button. "*" and "/" step between the fields; "+" and "-" are typed
// as they are. The rules live in PartnerMasterRules; this only wires the widgets to them.
class PartnerMasterScreen : public Screen {
    Q_OBJECT

  public:
    // Opens the views (throws DbError) and attaches itself to the HIMAS3 hooks; the
    // views, targets and messages must outlive the screen.
    PartnerMasterScreen(DataModule1& data, HookTargets& targets, Messages& messages,
                        QWidget* parent = nullptr);
    ~PartnerMasterScreen() override;

  private:
    QWidget* makeList();
    FieldForm* makeForm();
    QWidget* makeCommands();
    void hookFields();

    PartnerMasterRules rules_;
    EventSubscriptions subscriptions_;
    // Every widget lives in body_, so that none outlives the rules its hooks call.
    QWidget* body_;
    QComboBox* filter_ = nullptr;
    DatasetGrid* list_ = nullptr;
    QLineEdit* newRecordMark_ = nullptr;
    RecordBar* bar_ = nullptr;
    QList<QWidget*> fields_;  // in Tab order
};

}  // namespace vantir
