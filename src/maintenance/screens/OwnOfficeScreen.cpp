#include "maintenance/screens/OwnOfficeScreen.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/DataModule1.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/ui/DatasetGrid.h"

namespace vantir {

OwnOfficeScreen::OwnOfficeScreen(const QString& programDir, DataModule1& dm1, Messages& messages,
                                 QWidget* parent)
    : Screen(messages, parent), choice_(makeRules<OwnOfficeChoice>(programDir, dm1.query1())) {
    setObjectName(QStringLiteral("TenSet"));
    setWindowTitle(QStringLiteral("自営業所情報設定"));
    QueryDataset& offices = dm1.query(QStringLiteral("Q_HIM1"));

    code_ = new QLineEdit(this);
    code_->setObjectName(QStringLiteral("EditTENCOD"));
    code_->setReadOnly(true);
    name_ = new QLineEdit(this);
    name_->setObjectName(QStringLiteral("EditTENMEI"));
    name_->setReadOnly(true);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("営業所ｺｰﾄﾞ"), code_);
    fields->addRow(QStringLiteral("営業署名"), name_);

    list_ = new DatasetGrid(offices,
                            {{QStringLiteral("TENCOD"), QStringLiteral("ｺｰﾄﾞ")},
                             {QStringLiteral("TENMEI"), QStringLiteral("店所名")}},
                            messages, this);
    list_->setObjectName(QStringLiteral("DBGrid1"));
    connect(list_, &QAbstractItemView::clicked, this, [this, &offices](const QModelIndex& index) {
        const int tencod = offices.fieldIndex(QStringLiteral("TENCOD"));
        runCommand([&] {
            choice_.choose(offices.valueAt(index.row(), tencod).toString());
            showChoice();
        });
    });
    auto* note = new QLabel(QStringLiteral("事前に営業所マスタの登録を行って下さい。"), this);
    note->setObjectName(QStringLiteral("Label3"));

    auto* save = new QPushButton(QStringLiteral("&P 登録"), this);
    save->setObjectName(QStringLiteral("btnSet"));
    connect(save, &QPushButton::clicked, this,
            [this] { runCommand([this] { return choice_.save(); }); });
    auto* cancel = new QPushButton(QStringLiteral("&C 取消"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(cancel, &QPushButton::clicked, this, [this] {
        runCommand([this] {
            const Result loaded = choice_.load();
            showChoice();
            return loaded;
        });
    });
    auto* close = new QPushButton(QStringLiteral("&Q 閉じる"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(save);
    buttons->addWidget(cancel);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(list_, 1);
    layout->addWidget(note);
    layout->addLayout(buttons);

    // An unreadable file is told as the screen opens; the list then stays closed.
    if (const Result loaded = choice_.load(); loaded) {
        openDataset(offices);
    } else {
        CommandBoundary::tell(messages, loaded);
    }
    showChoice();
}

void OwnOfficeScreen::showChoice() {
    code_->setText(choice_.shown().code);
    name_->setText(choice_.shown().name);
}

}  // namespace vantir
