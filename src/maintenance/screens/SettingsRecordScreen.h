#pragma once

#include <QHash>
#include <QList>

#include "platform/ui/InputMode.h"
#include "platform/ui/Screen.h"

class QFormLayout;
class QLayout;

namespace vantir {

class BoundLineEdit;
class Dataset;
class RecordBar;

// A screen that edits one settings record (the company record, the control record): per
// field a caption, a box bound to the column named Edit + column, and what stands beside it
// (a drop-down, a legend); below them a record bar with only "&O 登録" and "&C 取消", and
// "閉じる". Typing starts editing; nothing is saved without "&O 登録", and closing drops
// what was not. Enter walks the fields in order; there are no step characters, so postal
// codes and telephone numbers are typed with their "-".
class SettingsRecordScreen : public Screen {
    Q_OBJECT

  public:
    RecordBar& recordBar() const { return *bar_; }

  protected:
    SettingsRecordScreen(Dataset& record, Messages& messages, QWidget* parent);

    // legend lines are shown as a label named Legend + column.
    BoundLineEdit* addField(const QString& column, const QString& caption, InputMode mode,
                            const QString& legend = {}, QWidget* beside = nullptr);
    // A field kept in the record but not offered: the box and its caption are hidden.
    void hideField(BoundLineEdit* field);

  private:
    Dataset& record_;
    QFormLayout* form_;
    RecordBar* bar_;
    QList<QWidget*> sequence_;
    QHash<QWidget*, QLayout*> rows_;  // the row of each field, beside things included
};

}  // namespace vantir
