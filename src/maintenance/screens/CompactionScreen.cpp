#include "maintenance/screens/CompactionScreen.h"

#include <QDir>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/DatabaseFiles.h"
#include "maintenance/rules/Compaction.h"

namespace vantir {

CompactionScreen::CompactionScreen(const QString& programDir, Messages& messages, QWidget* parent)
    : Screen(messages, parent),
      compaction_(makeRules<Compaction>()),
      programDir_(programDir),
      chooseFile_(openFileDialog(this)) {
    setObjectName(QStringLiteral("Compaction"));
    setWindowTitle(QStringLiteral("ＤＢの最適化"));

    auto* chosen = new QLabel(this);
    chosen->setObjectName(QStringLiteral("LabelFile"));
    select_ = new QPushButton(QStringLiteral("DB 選択"), this);
    select_->setObjectName(QStringLiteral("btnSelect"));
    connect(select_, &QPushButton::clicked, this, [this, chosen] {
        chooseDatabase();
        chosen->setText(QDir::toNativeSeparators(compaction_.chosenFile()));
    });
    auto* compact = new QPushButton(QStringLiteral("最適化"), this);
    compact->setObjectName(QStringLiteral("btnCompact"));
    connect(compact, &QPushButton::clicked, this,
            [this] { runCommand([this] { return compaction_.compact(); }); });
    auto* close = new QPushButton(QStringLiteral("&Q 閉じる"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(select_);
    buttons->addWidget(compact);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(chosen);
    layout->addLayout(buttons);
    setFirstField(select_);
}

void CompactionScreen::chooseDatabase() {
    // No second dialog while the first is up.
    select_->setEnabled(false);
    const QString file = chooseFile_(DatabaseFiles::folder(programDir_),
                                     QStringLiteral("データベース (*.mdb);;すべてのファイル (*)"));
    if (!file.isEmpty()) runCommand([&] { return compaction_.choose(file); });
    select_->setEnabled(true);
}

}  // namespace vantir
