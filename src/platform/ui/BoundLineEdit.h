#pragma once

#include <QLineEdit>

#include "platform/dataset/EventSubscriptions.h"
#include "platform/dataset/Result.h"
#include "platform/ui/InputMode.h"

namespace vantir {

class ByteLimitValidator;
class Dataset;
class FieldHooks;
class Messages;

// A text box bound to one column of a dataset. It shows the current record (NULL and
// empty text both show as an empty box, and an untouched NULL stays NULL), and what the
// user types goes into the record buffer at once, putting the dataset into edit mode.
// Typing stops at the column's width in Shift_JIS bytes. An integer column takes the text
// when it is a whole number; otherwise the text waits, and leaving the field or running a
// command is refused with the dataset's message, the cursor kept there.
//
// The screen's rules hang on hooks() (enter and leave logic). The text changed signal
// fires whenever the shown text changes, typed or loaded, as rules that follow every
// change of a code expect.
class BoundLineEdit : public QLineEdit {
    Q_OBJECT

  public:
    BoundLineEdit(Dataset& dataset, QString column, Messages& messages, QWidget* parent = nullptr);
    ~BoundLineEdit() override;

    Dataset& dataset() const { return dataset_; }
    const QString& column() const { return column_; }
    FieldHooks& hooks();

    void setInputMode(InputMode mode);
    InputMode inputMode() const { return mode_; }
    void setReadOnly(bool readOnly);

    // Binds the box to one row by position (the panels of a panel list) instead of the
    // current record. Typing is taken only while that row is the current record.
    void setRow(int row);
    int row() const { return row_; }

    // Typed text the record buffer has not taken yet (an integer column given text that
    // is not a whole number).
    bool hasPendingText() const { return pending_; }
    // Offers the pending text to the dataset again; the refusal when it still refuses.
    Result commit();
    // Shows the dataset's value again, dropping pending text.
    void refresh();

    // Commits every bound box of the window holding pending text: the first refusal,
    // with the box that refused in refused.
    static Result commitAll(QWidget& window, BoundLineEdit** refused = nullptr);

  private:
    bool isCurrentRow() const;
    QVariant shownValue() const;
    void applyColumn(const QString& shown);
    Result write();
    Result finishEditing();

    Dataset& dataset_;
    QString column_;
    Messages& messages_;
    InputMode mode_ = InputMode::Hiragana;
    ByteLimitValidator* validator_ = nullptr;
    int row_ = -1;
    bool pending_ = false;
    bool writing_ = false;
    EventSubscriptions subscriptions_;
};

}  // namespace vantir
