#include "platform/ui/RecordForm.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <stdexcept>

#include "platform/dataset/Dataset.h"
#include "platform/ui/BoundLineEdit.h"
#include "platform/ui/KeyHandler.h"
#include "platform/ui/LookupComboBox.h"
#include "platform/ui/Screen.h"

namespace vantir {

namespace {

// Numbers have no width of their own; eleven digits hold any yen amount the books carry.
constexpr int kNumberWidth = 11;

// Half-width characters the box shows: a text column's width in Shift_JIS bytes.
int shownCharacters(const Dataset& dataset, const QString& column) {
    const ColumnInfo& info = dataset.fields().at(dataset.fieldIndex(column));
    return info.type == ColumnType::Text && info.width > 0 ? info.width : kNumberWidth;
}

bool isDropDown(const FormField& field) { return field.list.rows != nullptr; }

QString key(const QString& column) { return column.toUpper(); }

}  // namespace

RecordForm::RecordForm(Screen& screen, Dataset& dataset, const QList<FormField>& fields)
    : QWidget(&screen), screen_(screen), dataset_(dataset), layout_(new QGridLayout(this)) {
    requireColumns(dataset, fields);
    layout_->setContentsMargins(0, 0, 0, 0);
    layout_->setColumnStretch(1, 1);
    // The boxes first, so that a drop-down finds the line of its column wherever its row
    // stands in the table.
    for (const FormField& field : fields) {
        if (!isDropDown(field)) addBox(field);
    }
    QList<QWidget*> controls;
    for (const FormField& field : fields) {
        if (isDropDown(field)) addDropDown(field);
        controls << (isDropDown(field) ? static_cast<QWidget*>(dropDown(field.column))
                                       : static_cast<QWidget*>(box(field.column)));
    }
    wire(fields, controls);
}

void RecordForm::requireColumns(const Dataset& dataset, const QList<FormField>& fields) {
    for (const FormField& field : fields) {
        dataset.requireColumn(field.column);
        if (!isDropDown(field)) continue;
        field.list.rows->requireColumn(field.list.codeColumn);
        field.list.rows->requireColumn(field.list.nameColumn);
    }
}

BoundLineEdit* RecordForm::box(const QString& column) const { return boxes_.value(key(column)); }

LookupComboBox* RecordForm::dropDown(const QString& column) const {
    return dropDowns_.value(key(column));
}

void RecordForm::addHeading(const FormField& field) {
    if (field.heading.isEmpty() || field.heading == heading_) return;
    heading_ = field.heading;
    layout_->addWidget(new QLabel(field.heading, this), layout_->rowCount(), 0, 1, 2);
}

QWidget* RecordForm::addCaption(const FormField& field, QWidget* control) {
    addHeading(field);
    auto* caption = new QLabel(field.caption, this);
    caption->setBuddy(control);
    auto* line = new QHBoxLayout;
    line->addWidget(control);
    line->addStretch(1);
    const int row = layout_->rowCount();
    layout_->addWidget(caption, row, 0);
    layout_->addLayout(line, row, 1);
    lines_.insert(key(field.column), line);
    return caption;
}

void RecordForm::addBox(const FormField& field) {
    auto* edit = new BoundLineEdit(dataset_, field.column, screen_.messages(), this);
    edit->setObjectName(field.name.isEmpty() ? QStringLiteral("Edit") + field.column : field.name);
    edit->setInputMode(field.input);
    edit->setReadOnly(field.readOnly);
    const int characters = qMax(shownCharacters(dataset_, field.column), 2) + 2;
    edit->setFixedWidth(edit->fontMetrics().horizontalAdvance(QLatin1Char('0')) * characters);
    boxes_.insert(key(field.column), edit);

    QWidget* caption = addCaption(field, edit);
    QLabel* legend = nullptr;
    if (!field.legend.isEmpty()) {
        legend = new QLabel(field.legend, this);
        legend->setObjectName(QStringLiteral("Legend") + field.column);
        lines_.value(key(field.column))->insertWidget(1, legend);
    }
    if (field.hidden) {
        for (QWidget* shown : {static_cast<QWidget*>(edit), caption, static_cast<QWidget*>(legend)})
            if (shown) shown->hide();
    }
}

void RecordForm::addDropDown(const FormField& field) {
    const FormList& list = field.list;
    auto* combo = new LookupComboBox(dataset_, field.column, *list.rows, list.codeColumn,
                                     list.nameColumn, screen_.messages(), this);
    combo->setObjectName(field.name.isEmpty() ? QStringLiteral("Combo") + field.column
                                              : field.name);
    dropDowns_.insert(key(field.column), combo);
    if (QHBoxLayout* line = lines_.value(key(field.column))) {
        line->insertWidget(1, combo);
    } else {
        addCaption(field, combo);
    }
    if (field.hidden) combo->hide();
}

void RecordForm::wire(const QList<FormField>& fields, const QList<QWidget*>& controls) {
    QHash<QString, QWidget*> sequenceFields;
    QList<QWidget*> tabOrder;
    for (int i = 0; i < fields.size(); ++i) {
        const FormField& field = fields.at(i);
        QWidget* control = controls.at(i);
        if (field.hidden) continue;
        if (field.inEnterSequence) {
            enterSequence_ << control;
            if (!sequenceFields.contains(key(field.column)))
                sequenceFields.insert(key(field.column), control);
        }
        if (field.inTabOrder) {
            tabOrder << control;
        } else {
            control->setFocusPolicy(Qt::ClickFocus);  // the mouse and Enter reach it, Tab not
        }
        FieldHooks& hooks = FieldHooks::on(*control, screen_.messages());
        if (field.enter) hooks.setEnterHook(field.enter.action());
        if (field.leave) hooks.setLeaveHook(field.leave);
    }

    KeyHandler& keys = screen_.keys();
    keys.setSequence(enterSequence_);
    for (int i = 0; i < fields.size(); ++i) {
        const FormField& field = fields.at(i);
        if (field.movesLike.isEmpty() || field.hidden) continue;
        QWidget* like = sequenceFields.value(key(field.movesLike));
        if (!like) {
            throw std::invalid_argument("moves like a column outside the Enter sequence: " +
                                        field.movesLike.toStdString());
        }
        keys.setMovesLike(controls.at(i), like);
    }
    for (int i = 1; i < tabOrder.size(); ++i) setTabOrder(tabOrder.at(i - 1), tabOrder.at(i));
    if (!screen_.firstField() && !enterSequence_.isEmpty())
        screen_.setFirstField(enterSequence_.first());
}

}  // namespace vantir
