#include "maintenance/screens/InitializationScreen.h"

#include <QCheckBox>
#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "maintenance/rules/Initialization.h"
#include "maintenance/rules/InitializationTable.h"
#include "platform/system/Clock.h"
#include "platform/system/Messages.h"

namespace vantir {

InitializationScreen::InitializationScreen(Database& mainDatabase, Messages& messages,
                                           QWidget* parent)
    : Screen(messages, parent), initialization_(makeRules<Initialization>(mainDatabase)) {
    setObjectName(QStringLiteral("Delete"));
    setWindowTitle(QStringLiteral("初期化処理"));

    date_ = new QDateEdit(this);
    date_->setObjectName(QStringLiteral("DateTimePicker1"));
    date_->setCalendarPopup(true);
    date_->setDisplayFormat(QStringLiteral("yyyy/MM/dd"));
    useDate_ = new QCheckBox(QStringLiteral("日付指定有効"), this);
    useDate_->setObjectName(QStringLiteral("CheckBox1"));
    auto* dateRow = new QHBoxLayout;
    dateRow->addWidget(date_);
    dateRow->addWidget(useDate_);
    dateRow->addStretch(1);

    auto* tables = new QGridLayout;
    int index = 0;
    for (const InitializationTable& table : InitializationTable::all()) {
        auto* button = new QPushButton(table.caption, this);
        button->setObjectName(QStringLiteral("btn") + table.table);
        connect(button, &QPushButton::clicked, this, [this, table] {
            runCommand([&]() -> Result {
                if (!this->messages().question(QStringLiteral("データを削除してよろしいですか？"),
                                               QStringLiteral("初期化")))
                    return Result::success();
                return initialization_.clear(table, useDate_->isChecked(), date_->date());
            });
        });
        tables->addWidget(button, index / 3, index % 3);
        ++index;
    }

    auto* upgrade = new QPushButton(QStringLiteral("予備"), this);
    upgrade->setObjectName(QStringLiteral("btnYobi"));
    connect(upgrade, &QPushButton::clicked, this, [this] {
        runCommand([this]() -> Result {
            if (!this->messages().question(QStringLiteral("データの変更を行いますか？"),
                                           QStringLiteral("変更処理")))
                return Result::success();
            return initialization_.upgradeColumns();
        });
    });
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(upgrade);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(dateRow);
    layout->addLayout(tables);
    layout->addLayout(buttons);
    setFirstField(close);
}

void InitializationScreen::showEvent(QShowEvent* event) {
    date_->setDate(Initialization::presetDate(Clock::today()));
    Screen::showEvent(event);
}

}  // namespace vantir
