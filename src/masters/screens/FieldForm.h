#pragma once

#include <QWidget>

#include "platform/ui/InputMode.h"

class QGridLayout;

namespace vantir {

class BoundLineEdit;
class Dataset;
class Messages;

// The record form of a master screen: one row per field, its caption, a text box bound
// to the column and as wide as the column is long, and what stands beside it (a hint, a
// drop-down). The boxes are named Edit + column (EditKCODE), as the screens' controls are.
class FieldForm : public QWidget {
  public:
    FieldForm(Dataset& dataset, Messages& messages, QWidget* parent = nullptr);

    // A caption with an accelerator ("&T 担当者CD") takes the cursor to the box.
    BoundLineEdit* addField(const QString& column, const QString& caption, InputMode mode,
                            QWidget* beside = nullptr);
    BoundLineEdit* addField(const QString& column, const QString& caption, InputMode mode,
                            const QString& hint);
    // A heading over the rows that follow ("前年実績").
    void addHeading(const QString& text);

  private:
    Dataset& dataset_;
    Messages& messages_;
    QGridLayout* layout_;
};

}  // namespace vantir
