#pragma once

#include "masters/rules/CodeMasterRules.h"
#include "platform/ui/Screen.h"

class QPushButton;

namespace vantir {

class BoundLineEdit;
class DataModule1;
class DatasetGrid;
class RecordBar;

// The staff master (担当者マスタ) and the branch master (店所マスタ): the code and the name
// of the current record, beside them the list of the table in code order on the same
// cursor, the record bar and the close button. "+" and "-" step between the two fields
// and can never be typed into them.
class CodeMasterScreen : public Screen {
    Q_OBJECT

  public:
    // Opens the table (throws DbError); the views and messages must outlive the screen.
    CodeMasterScreen(const CodeMasterDescription& description, DataModule1& data,
                     Messages& messages, QWidget* parent = nullptr);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    CodeMasterRules& rules_;
    BoundLineEdit* code_ = nullptr;
    DatasetGrid* list_ = nullptr;
    RecordBar* bar_ = nullptr;
    QPushButton* close_ = nullptr;
};

}  // namespace vantir
