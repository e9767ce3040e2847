#include "maintenance/screens/SettingsRecordScreen.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ui/BoundLineEdit.h"
#include "platform/ui/KeyHandler.h"
#include "platform/ui/RecordBar.h"

namespace vantir {

SettingsRecordScreen::SettingsRecordScreen(Dataset& record, Messages& messages, QWidget* parent)
    : Screen(messages, parent), record_(record), form_(new QFormLayout) {
    bar_ = new RecordBar(record, messages, QStringLiteral("DBNavigator1"), this);
    bar_->setVisibleButtons({RecordBar::Post, RecordBar::Cancel});
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(bar_);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form_);
    layout->addLayout(buttons);
}

BoundLineEdit* SettingsRecordScreen::addField(const QString& column, const QString& caption,
                                              InputMode mode, const QString& legend,
                                              QWidget* beside) {
    auto* field = new BoundLineEdit(record_, column, messages(), this);
    field->setObjectName(QStringLiteral("Edit") + column);
    field->setInputMode(mode);
    auto* row = new QHBoxLayout;
    row->addWidget(field);
    if (beside) {
        row->addWidget(beside);
        keys().setMovesLike(beside, field);
    }
    if (!legend.isEmpty()) {
        auto* label = new QLabel(legend, this);
        label->setObjectName(QStringLiteral("Legend") + column);
        row->addWidget(label);
    }
    row->addStretch(1);
    form_->addRow(caption, row);
    rows_.insert(field, row);
    sequence_.append(field);
    keys().setSequence(sequence_);
    return field;
}

void SettingsRecordScreen::hideField(BoundLineEdit* field) {
    field->hide();
    if (QWidget* caption = form_->labelForField(rows_.value(field))) caption->hide();
    sequence_.removeAll(field);
    keys().setSequence(sequence_);
}

}  // namespace vantir
