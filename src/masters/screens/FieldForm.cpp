#include "masters/screens/FieldForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>

#include "platform/dataset/Dataset.h"
#include "platform/ui/BoundLineEdit.h"

namespace vantir {

namespace {

// Numbers have no width of their own; eleven digits hold any yen amount the books carry.
constexpr int kNumberWidth = 11;

// Half-width characters the box shows: a text column's width in Shift_JIS bytes.
int shownCharacters(const Dataset& dataset, const QString& column) {
    const int field = dataset.fieldIndex(column);
    if (field < 0) return kNumberWidth;
    const ColumnInfo& info = dataset.fields().at(field);
    return info.type == ColumnType::Text && info.width > 0 ? info.width : kNumberWidth;
}

}  // namespace

FieldForm::FieldForm(Dataset& dataset, Messages& messages, QWidget* parent)
    : QWidget(parent), dataset_(dataset), messages_(messages), layout_(new QGridLayout(this)) {
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setColumnStretch(1, 1);
}

BoundLineEdit* FieldForm::addField(const QString& column, const QString& caption, InputMode mode,
                                   QWidget* beside) {
    auto* edit = new BoundLineEdit(dataset_, column, messages_, this);
    edit->setObjectName(QStringLiteral("Edit") + column);
    edit->setInputMode(mode);
    const int characters = qMax(shownCharacters(dataset_, column), 2) + 2;
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * characters);

    auto* label = new QLabel(caption, this);
    label->setBuddy(edit);
    auto* line = new QHBoxLayout;
    line->addWidget(edit);
    if (beside) line->addWidget(beside);
    line->addStretch(1);
    const int row = layout_->rowCount();
    layout_->addWidget(label, row, 0);
    layout_->addLayout(line, row, 1);
    return edit;
}

BoundLineEdit* FieldForm::addField(const QString& column, const QString& caption, InputMode mode,
                                   const QString& hint) {
    return addField(column, caption, mode, new QLabel(hint, this));
}

void FieldForm::addHeading(const QString& text) {
    layout_->addWidget(new QLabel(text, this), layout_->rowCount(), 0, 1, 2);
}

}  // namespace vantir
