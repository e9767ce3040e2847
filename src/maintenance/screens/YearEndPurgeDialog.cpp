#include "maintenance/screens/YearEndPurgeDialog.h"

#include <QComboBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "maintenance/rules/YearEndPurge.h"
#include "platform/system/Clock.h"

namespace vantir {

YearEndPurgeDialog::YearEndPurgeDialog(const QString& programDir, Database& mainDatabase,
                                       const QString& registryPath, Messages& messages,
                                       QWidget* parent)
    : Screen(messages, parent),
      registry_(registryPath),
      purge_(makeRules<YearEndPurge>(programDir, mainDatabase, registry_, messages)) {
    setObjectName(QStringLiteral("NenDel"));
    setWindowTitle(QStringLiteral("年度更新処理"));
    const QDate today = Clock::today();

    auto* panel = new QGroupBox(QStringLiteral("年度データ処理"), this);
    panel->setObjectName(QStringLiteral("Panel1"));
    year_ = new QComboBox(panel);
    year_->setObjectName(QStringLiteral("cmbYY"));
    year_->addItems(YearEndPurge::yearChoices(today));
    year_->setCurrentText(YearEndPurge::presetYear(today));
    month_ = new QComboBox(panel);
    month_->setObjectName(QStringLiteral("cmbMM"));
    month_->addItems(YearEndPurge::monthChoices());
    month_->setCurrentText(YearEndPurge::presetMonth());
    auto* choice = new QHBoxLayout(panel);
    choice->addWidget(year_);
    choice->addWidget(new QLabel(QStringLiteral("年"), panel));
    choice->addWidget(month_);
    choice->addWidget(new QLabel(QStringLiteral("月   以前を削除"), panel));

    auto* runButton = new QPushButton(QStringLiteral("&R 実行"), this);
    runButton->setObjectName(QStringLiteral("btnRun"));
    connect(runButton, &QPushButton::clicked, this, [this] {
        runCommand([this] { purge_.run(year_->currentText().toInt(), month_->currentText().toInt()); });
    });
    auto* close = new QPushButton(QStringLiteral("&Q 閉じる"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(runButton);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(panel);
    layout->addLayout(buttons);
    setFirstField(year_);
}

}  // namespace vantir
