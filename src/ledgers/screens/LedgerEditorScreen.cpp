#include "ledgers/screens/LedgerEditorScreen.h"

#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QVBoxLayout>
#include <utility>

#include "platform/dataset/QueryDataset.h"
#include "platform/dataset/TableDataset.h"
#include "platform/ui/DatasetGrid.h"
#include "platform/ui/DirectBox.h"
#include "platform/ui/FieldHooks.h"
#include "platform/ui/KeyHandler.h"
#include "platform/ui/ListWidths.h"
#include "platform/ui/RecordBar.h"
#include "platform/ui/RecordForm.h"

namespace vantir {

namespace {

// A selection box as wide as the characters it takes.
QLineEdit* directBox(const QString& name, int length, QWidget* parent) {
    QLineEdit* box = makeDirectBox(name, length, parent);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * (length + 3));
    return box;
}

// The keys that change a box's text without typing into it.
bool editsWithoutTyping(int key) {
    switch (key) {
        case Qt::Key_Delete:
        case Qt::Key_Left:
        case Qt::Key_Right:
        case Qt::Key_Up:
        case Qt::Key_Down:
        case Qt::Key_Home:
        case Qt::Key_End:
            return true;
        default:
            return false;
    }
}

}  // namespace

LedgerEditorScreen::LedgerEditorScreen(const LedgerEditorDescription& description,
                                       DataModule1& data, Messages& messages, QWidget* parent)
    : Screen(messages, parent), rules_(makeRules<LedgerEditorRules>(description, data)) {
    setObjectName(description.modeName);
    setWindowTitle(description.caption);

    QList<GridColumn> columns;
    for (const LedgerColumn& column : description.columns)
        columns.append({column.column, column.caption, column.readOnly});
    grid_ = new DatasetGrid(rules_.ledger(), columns, messages, this);
    grid_->setObjectName(QStringLiteral("DBGrid1"));
    grid_->setEditable(true);
    // The columns take the widths of the table's columns once the first lines are shown;
    // an amount column holds a month's total of a partner, millions of yen.
    connect(&grid_->tableModel(), &QAbstractItemModel::modelReset, this, [this] {
        if (columnsFitted_ || !rules_.ledger().isOpen()) return;
        fitListToColumnWidths(*grid_);
        const int amountWidth = grid_->fontMetrics().horizontalAdvance(QStringLiteral("0,000,000,000"));
        for (int column = 0; column < grid_->tableModel().columnCount(); ++column) {
            if (grid_->tableModel().byteWidth(column) == 0)
                grid_->horizontalHeader()->resizeSection(column, amountWidth);
        }
        columnsFitted_ = true;
    });

    status_ = new QStatusBar(this);
    status_->setObjectName(QStringLiteral("StatusBar1"));
    status_->setSizeGripEnabled(false);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeSelection());
    layout->addWidget(grid_, 1);
    layout->addWidget(makeBottom());
    layout->addWidget(status_);
    resize(900, 560);

    keys().setSequence({sime_, month_, code_, select_});
    keys().setPageKeys(true);
    keys().setEnterSwallowed(true);
    keys().setEnterAsTab(grid_);
    setFirstField(sime_);

    const LedgerSelection opening = rules_.opening();
    sime_->setText(opening.closingDay);
    month_->setText(opening.month);
    subscriptions_.add(rules_.shownChanged, [this] { showTotalsAndHint(); });
    showTotalsAndHint();
}

QWidget* LedgerEditorScreen::makeSelection() {
    const LedgerEditorDescription& description = rules_.description();
    auto* panel = new QWidget(this);
    sime_ = directBox(QStringLiteral("EditSime"), 2, panel);
    month_ = directBox(QStringLiteral("EditTsuki"), 5, panel);
    FieldHooks::on(*month_, messages()).setLeaveHook([this] {
        const Result told = rules_.monthLeft(selection());
        return told ? Leave::Go : Leave::goAfter(told);
    });
    if (description.monthBoxTypingOnly) month_->installEventFilter(this);
    code_ = directBox(QStringLiteral("Edit1"), 6, panel);
    select_ = new QPushButton(QStringLiteral("選択表示"), panel);
    select_->setObjectName(QStringLiteral("btnSelect"));
    connect(select_, &QPushButton::clicked, this, [this] {
        if (runCommand([this] { return rules_.selectAndDisplay(selection()); }))
            grid_->setFocus(Qt::OtherFocusReason);
    });

    auto* partner = new RecordForm(
        *this, rules_.partners(),
        {{.column = description.partnerColumn,
          .caption = description.partnerCaption,
          .inEnterSequence = false,
          .inTabOrder = false,
          .readOnly = true},
         {.column = QStringLiteral("KNAME"),
          .inEnterSequence = false,
          .inTabOrder = false,
          .readOnly = true}});

    Dataset& stepped = description.navigatorOnLines ? static_cast<Dataset&>(rules_.ledger())
                                                    : rules_.partners();
    auto* navigator = new RecordBar(stepped, messages(), QStringLiteral("DBNavigator1"), panel);
    const QList<RecordBar::Button> moves{RecordBar::First, RecordBar::Prior, RecordBar::Next,
                                         RecordBar::Last};
    navigator->setVisibleButtons(moves);
    // The navigator's own captions carry no accelerator: the record bar below has them.
    for (const RecordBar::Button move : moves) {
        const QString caption = RecordBar::caption(move).mid(3);
        navigator->button(move)->setText(caption);
        navigator->button(move)->setToolTip(caption);
    }
    if (!description.navigatorOnLines) {
        connect(navigator, &RecordBar::executed, this, [this] { partnerChanged(); });
    }

    auto* layout = new QHBoxLayout(panel);
    layout->addWidget(new QLabel(QStringLiteral("締日"), panel));
    layout->addWidget(sime_);
    layout->addWidget(new QLabel(QStringLiteral("月度"), panel));
    layout->addWidget(month_);
    layout->addWidget(code_);
    layout->addWidget(select_);
    layout->addWidget(partner, 1);
    layout->addWidget(navigator);
    return panel;
}

QWidget* LedgerEditorScreen::makeBottom() {
    auto* panel = new QWidget(this);
    auto* layout = new QHBoxLayout(panel);
    for (int i = 0; i < rules_.description().totals.size(); ++i) {
        auto* total = new QLineEdit(panel);
        total->setObjectName(QStringLiteral("REdit%1").arg(i + 1));
        total->setReadOnly(true);
        total->setFocusPolicy(Qt::NoFocus);
        total->setAlignment(Qt::AlignRight);
        total->setFixedWidth(total->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 14);
        layout->addWidget(total);
        totals_.append(total);
    }
    layout->addStretch(1);

    auto* bar = new RecordBar(rules_.ledger(), messages(), QStringLiteral("DBNavigator2"), panel);
    bar->setVisibleButtons(
        {RecordBar::Insert, RecordBar::Delete, RecordBar::Post, RecordBar::Cancel});
    // A new line is typed into the grid at once.
    connect(bar, &RecordBar::executed, this, [this](RecordBar::Button button) {
        if (button == RecordBar::Insert) grid_->setFocus(Qt::OtherFocusReason);
    });
    layout->addWidget(bar);

    auto* close = new QPushButton(QStringLiteral("&Q 閉じる"), panel);
    close->setObjectName(QStringLiteral("btnClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    layout->addWidget(close);
    return panel;
}

LedgerSelection LedgerEditorScreen::selection() const {
    return {sime_->text(), month_->text(), code_->text()};
}

void LedgerEditorScreen::partnerChanged() {
    runCommand([this] { return rules_.partnerChanged(selection()); });
}

void LedgerEditorScreen::showTotalsAndHint() {
    const QList<qint64>& totals = rules_.totals();
    for (int i = 0; i < totals_.size(); ++i) totals_.at(i)->setText(QString::number(totals.at(i)));
    // Told in the bar and again where the pointer rests on it.
    status_->showMessage(rules_.hint());
    status_->setToolTip(rules_.hint());
}

void LedgerEditorScreen::showEvent(QShowEvent* event) {
    Screen::showEvent(event);
    // The list opened on its first partner: the screen opens on that partner's lines.
    if (std::exchange(linesShown_, true)) return;
    partnerChanged();
}

bool LedgerEditorScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == month_ && event->type() == QEvent::KeyPress &&
        editsWithoutTyping(static_cast<QKeyEvent*>(event)->key()))
        return true;
    return Screen::eventFilter(watched, event);
}

}  // namespace vantir
