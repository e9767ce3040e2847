#include "cash/screens/CashSearchList.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "cash/rules/CashEntryRules.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/ui/CommandBoundary.h"
#include "platform/ui/DatasetGrid.h"

namespace vantir {

CashSearchList::CashSearchList(CashEntryRules& rules, Messages& messages, QWidget* parent)
    : QDialog(parent), rules_(rules), messages_(messages) {
    setObjectName(QStringLiteral("CashSearchList"));
    setWindowTitle(rules.side().searchCaption);
    setModal(true);

    QList<GridColumn> columns;
    for (const auto& [column, title] : rules.side().searchColumns) columns.append({column, title});
    grid_ = new DatasetGrid(rules.search(), columns, messages, this);
    grid_->setObjectName(QStringLiteral("DBGrid1"));

    auto* ok = new QPushButton(QStringLiteral("確定"), this);
    ok->setObjectName(QStringLiteral("btnOk"));
    connect(ok, &QPushButton::clicked, this, &CashSearchList::confirm);
    auto* cancel = new QPushButton(QStringLiteral("取消"), this);
    cancel->setObjectName(QStringLiteral("btnCancel"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(grid_, 1);
    layout->addLayout(buttons);
    resize(760, 420);
}

void CashSearchList::showList() {
    if (!CommandBoundary::run(messages_, [this] { rules_.openSearch(); })) return;
    show();
    grid_->setFocus(Qt::OtherFocusReason);
}

void CashSearchList::hideEvent(QHideEvent* event) {
    rules_.search().close();
    QDialog::hideEvent(event);
}

void CashSearchList::confirm() {
    QueryDataset& search = rules_.search();
    if (search.isOpen() && !search.isEmpty()) {
        const QString code = search.text(QStringLiteral("CODE"));
        if (!CommandBoundary::run(messages_, [this, code] { rules_.chooseFromSearch(code); }))
            return;
    }
    accept();
}

}  // namespace vantir
