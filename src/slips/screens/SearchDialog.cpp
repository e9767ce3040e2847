#include "slips/screens/SearchDialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/dataset/Dataset.h"
#include "platform/ui/DatasetGrid.h"
#include "platform/ui/ListWidths.h"

namespace vantir {

SearchDialog::SearchDialog(Messages& messages, QWidget* parent)
    : QDialog(parent), messages_(messages) {}

void SearchDialog::setVisible(bool visible) {
    // Every way of showing and closing a dialog passes here, exec() and the frame too.
    QDialog::setVisible(visible);
    if (!visible) {
        closeList();
        return;
    }
    CommandBoundary::run(messages_, [this] { openList(); });
    // The columns are known once the query has opened.
    if (!widthsFitted_ && list_ && list_->tableModel().dataset().isOpen()) {
        fitListToColumnWidths(*list_);
        widthsFitted_ = true;
    }
}

DatasetGrid* SearchDialog::addList(QVBoxLayout& layout, Dataset& query, QList<GridColumn> columns) {
    list_ = new DatasetGrid(query, std::move(columns), messages_, this);
    list_->setObjectName(QStringLiteral("DBGrid1"));
    layout.addWidget(list_, 1);

    auto* confirmButton = new QPushButton(QStringLiteral("確定"), this);
    confirmButton->setObjectName(QStringLiteral("btnOK"));
    connect(confirmButton, &QPushButton::clicked, this, [this] {
        if (runCommand([this] { confirm(); })) accept();
    });
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    // Enter in a box does not confirm by itself: a code is handed back only on "確定".
    for (QPushButton* button : {confirmButton, cancel}) button->setAutoDefault(false);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(confirmButton);
    buttons->addWidget(cancel);
    layout.addLayout(buttons);
    return list_;
}

}  // namespace vantir
