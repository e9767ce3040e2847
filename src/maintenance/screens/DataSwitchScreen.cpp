#include "maintenance/screens/DataSwitchScreen.h"

#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "data/DatabaseFiles.h"
#include "maintenance/rules/DataSwitch.h"

namespace vantir {

DataSwitchScreen::DataSwitchScreen(const QString& programDir, DataModule1& dm1, DataModule2& dm2,
                                   AppState& state, const QString& registryPath,
                                   Messages& messages, QWidget* parent)
    : Screen(messages, parent),
      programDir_(programDir),
      rules_(makeRules<DataSwitch>(programDir, dm1, dm2, state)),
      registry_(registryPath),
      chooseFile_(openFileDialog(this)) {
    setObjectName(QStringLiteral("DataSwitch"));
    setWindowTitle(QStringLiteral("データ切替"));

    panel_ = new QGroupBox(QStringLiteral("設定"), this);
    panel_->setObjectName(QStringLiteral("Panel1"));
    panel_->setVisible(false);
    auto* standAlone = new QRadioButton(QStringLiteral("スタンドアローン"), panel_);
    standAlone->setObjectName(QStringLiteral("RadioStandAlone"));
    standAlone->setChecked(true);
    auto* shared = new QRadioButton(QStringLiteral("ＬＡＮで共有する"), panel_);
    shared->setObjectName(QStringLiteral("RadioLan"));
    dataSources_ = new QListWidget(panel_);
    dataSources_->setObjectName(QStringLiteral("ListBox1"));
    name_ = new QLineEdit(panel_);
    name_->setObjectName(QStringLiteral("EditDSN"));
    connect(dataSources_, &QListWidget::itemClicked, this,
            [this](QListWidgetItem* item) { name_->setText(item->text()); });
    auto* info = new QPushButton(QStringLiteral("情報取得"), panel_);
    info->setObjectName(QStringLiteral("btnInfo"));
    connect(info, &QPushButton::clicked, this, &DataSwitchScreen::listDataSources);
    auto* panelLayout = new QVBoxLayout(panel_);
    auto* choice = new QHBoxLayout;
    choice->addWidget(standAlone);
    choice->addWidget(shared);
    panelLayout->addLayout(choice);
    panelLayout->addWidget(dataSources_, 1);
    panelLayout->addWidget(name_);
    panelLayout->addWidget(info);

    auto* settings = new QPushButton(QStringLiteral("設定"), this);
    settings->setObjectName(QStringLiteral("btnSetting"));
    connect(settings, &QPushButton::clicked, this, [this] {
        panel_->setVisible(true);
        listDataSources();
    });
    change_ = new QPushButton(QStringLiteral("データ変更"), this);
    change_->setObjectName(QStringLiteral("btnChange"));
    change_->setEnabled(false);
    connect(change_, &QPushButton::clicked, this, &DataSwitchScreen::changeData);
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(settings);
    buttons->addWidget(change_);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel_, 1);
    layout->addLayout(buttons);
    setFirstField(settings);
}

void DataSwitchScreen::listDataSources() {
    dataSources_->clear();
    dataSources_->addItems(DataSwitch::dataSourceNames(registry_));
    change_->setEnabled(true);
}

void DataSwitchScreen::changeData() {
    const QString file = chooseFile_(DatabaseFiles::folder(programDir_),
                                     QStringLiteral("データベース (*.mdb);;すべてのファイル (*)"));
    runCommand([&] { return rules_.switchTo(name_->text(), file); });
    close();
}

}  // namespace vantir
