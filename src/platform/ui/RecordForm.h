#pragma once

#include <QHash>
#include <QList>
#include <QWidget>

#include "platform/ui/FormField.h"

class QGridLayout;
class QHBoxLayout;

namespace vantir {

class BoundLineEdit;
class LookupComboBox;
class Screen;

// The record form of a screen, built from its field table (FormField, one row per
// control): a caption and a box bound to the column per row, named Edit + column and as
// wide as the column is long, with its legend and drop-down beside it and its heading
// over it; the Enter sequence (Enter, Shift+Enter, the screen's step and page keys) and
// the Tab order built apart, each from the rows that visit it, in table order; the
// controls outside the Enter sequence moving like their sequence field; the rows' enter
// and leave rules hung on the controls. The screen's cursor starts in the first field of
// the Enter sequence unless the screen chose another.
//
// A column the view does not have is refused when the form is built (DbError naming the
// column), so the view must be open; a box on nothing is never shown.
class RecordForm : public QWidget {
    Q_OBJECT

  public:
    RecordForm(Screen& screen, Dataset& dataset, const QList<FormField>& fields);

    // The column's text box, or its drop-down; nullptr when the form has none.
    BoundLineEdit* box(const QString& column) const;
    LookupComboBox* dropDown(const QString& column) const;
    // The form's Enter sequence, for a screen whose sequence starts before the form (the
    // slip entry's set-date boxes) to set the whole of it on its keys.
    const QList<QWidget*>& enterSequence() const { return enterSequence_; }

  private:
    static void requireColumns(const Dataset& dataset, const QList<FormField>& fields);
    void addBox(const FormField& field);
    void addDropDown(const FormField& field);
    void addHeading(const FormField& field);
    QWidget* addCaption(const FormField& field, QWidget* control);
    void wire(const QList<FormField>& fields, const QList<QWidget*>& controls);

    Screen& screen_;
    Dataset& dataset_;
    QGridLayout* layout_;
    QString heading_;
    QHash<QString, BoundLineEdit*> boxes_;
    QHash<QString, LookupComboBox*> dropDowns_;
    QHash<QString, QHBoxLayout*> lines_;
    QList<QWidget*> enterSequence_;
};

}  // namespace vantir
