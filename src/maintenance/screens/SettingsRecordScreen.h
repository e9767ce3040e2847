#pragma once

#include <QList>

#include "platform/ui/FormField.h"
#include "platform/ui/Screen.h"

namespace vantir {

class Dataset;
class RecordBar;

// A screen that edits one settings record (the company record, the control record): the
// record form of its field table, below it a record bar with only "&O 登録" and "&C 取消",
// and "閉じる". Typing starts editing; nothing is saved without "&O 登録", and closing drops
// what was not. The cursor starts in the first field; Enter walks the fields in order and
// stops at the last, so it never reaches a button. There are no step characters, so
// postal codes and telephone numbers are typed with their "-".
class SettingsRecordScreen : public Screen {
    Q_OBJECT

  public:
    RecordBar& recordBar() const { return *bar_; }

  protected:
    SettingsRecordScreen(Messages& messages, QWidget* parent);

    // Builds the form over the record, which the screen has opened (throws DbError for a
    // column the record lacks), and the commands below it.
    void build(Dataset& record, const QList<FormField>& fields);

  private:
    RecordBar* bar_ = nullptr;
};

}  // namespace vantir
