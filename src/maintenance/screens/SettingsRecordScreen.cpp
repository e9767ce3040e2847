#include "maintenance/screens/SettingsRecordScreen.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ui/RecordBar.h"
#include "platform/ui/RecordForm.h"

namespace vantir {

SettingsRecordScreen::SettingsRecordScreen(Messages& messages, QWidget* parent)
    : Screen(messages, parent) {}

void SettingsRecordScreen::build(Dataset& record, const QList<FormField>& fields) {
    auto* form = new RecordForm(*this, record, fields);
    bar_ = new RecordBar(record, messages(), QStringLiteral("DBNavigator1"), this);
    bar_->setVisibleButtons({RecordBar::Post, RecordBar::Cancel});
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(bar_);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(form);
    layout->addLayout(buttons);
}

}  // namespace vantir
