#include "masters/screens/CodeMasterScreen.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ui/ListWidths.h"
#include "platform/dataset/TableDataset.h"
#include "platform/ui/BoundLineEdit.h"
#include "platform/ui/DatasetGrid.h"
#include "platform/ui/KeyHandler.h"
#include "platform/ui/RecordBar.h"
#include "platform/ui/RecordForm.h"

namespace vantir {

CodeMasterScreen::CodeMasterScreen(const CodeMasterDescription& description, DataModule1& data,
                                   Messages& messages, QWidget* parent)
    : Screen(messages, parent), rules_(makeRules<CodeMasterRules>(description, data)) {
    setObjectName(description.modeName);
    setWindowTitle(description.caption);
    TableDataset& table = rules_.table();

    auto* form = new RecordForm(*this, table,
                                {
                                    {.column = description.codeColumn,
                                     .caption = description.codeCaption,
                                     .input = InputMode::Direct},
                                    {.column = description.nameColumn,
                                     .caption = description.nameCaption,
                                     .input = InputMode::Hiragana},
                                });
    code_ = form->box(description.codeColumn);

    list_ = new DatasetGrid(table,
                            {{description.codeColumn, description.listCodeTitle},
                             {description.nameColumn, description.listNameTitle}},
                            messages, this);
    list_->setObjectName(QStringLiteral("DBGrid1"));
    fitListToColumnWidths(*list_);
    list_->installEventFilter(this);
    list_->viewport()->installEventFilter(this);

    bar_ = new RecordBar(table, messages, QStringLiteral("DBNavigator1"), this);
    bar_->setVisibleButtons(
        {RecordBar::Insert, RecordBar::Delete, RecordBar::Post, RecordBar::Cancel});
    bar_->setBeforePost([this] { return rules_.beforePost(); });
    // A new record is typed at once, starting with its code.
    connect(bar_, &RecordBar::executed, this, [this](RecordBar::Button button) {
        if (button == RecordBar::Insert) code_->setFocus(Qt::OtherFocusReason);
    });

    close_ = new QPushButton(QStringLiteral("&Q 閉じる"), this);
    close_->setObjectName(QStringLiteral("btnClose"));
    connect(close_, &QPushButton::clicked, this, &QWidget::close);

    auto* top = new QHBoxLayout;
    top->addWidget(form, 0, Qt::AlignTop);
    top->addWidget(list_, 1);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(bar_);
    bottom->addStretch(1);
    bottom->addWidget(close_);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(top, 1);
    layout->addLayout(bottom);

    keys().setStepKeys(QLatin1Char('+'), QLatin1Char('-'));
}

bool CodeMasterScreen::eventFilter(QObject* watched, QEvent* event) {
    // Moving in the list posts a changed record first. It is posted by the bar, so that it
    // gets the bar's checks; when refused, the list stays where it is.
    const bool click = watched == list_->viewport() && event->type() == QEvent::MouseButtonPress;
    const bool key = watched == list_ && event->type() == QEvent::KeyPress;
    if ((click || key) && rules_.table().isModified() && !bar_->run(RecordBar::Post)) return true;
    return Screen::eventFilter(watched, event);
}

}  // namespace vantir
