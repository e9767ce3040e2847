#pragma once

#include "masters/rules/PartnerMasterRules.h"
#include "platform/dataset/EventSubscriptions.h"
#include "platform/ui/FormField.h"
#include "platform/ui/Screen.h"

class QComboBox;
class QLineEdit;

namespace vantir {

class DataModule1;
class DatasetGrid;
class RecordBar;
class RecordForm;

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

  private:
    QList<FormField> fieldTable() const;
    QWidget* makeList();
    QWidget* makeCommands();

    PartnerMasterRules& rules_;
    EventSubscriptions subscriptions_;
    RecordForm* form_ = nullptr;
    QComboBox* filter_ = nullptr;
    DatasetGrid* list_ = nullptr;
    QLineEdit* newRecordMark_ = nullptr;
    RecordBar* bar_ = nullptr;
};

}  // namespace vantir
