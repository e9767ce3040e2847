#include "slips/screens/SlipEntryScreen.h"

#include <QApplication>
#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/dataset/TableDataset.h"
#include "platform/ui/BoundLineEdit.h"
#include "platform/ui/FieldHooks.h"
#include "platform/ui/InputMode.h"
#include "platform/ui/KeyHandler.h"
#include "platform/ui/RecordForm.h"
#include "slips/screens/SlipFieldTable.h"

namespace vantir {

namespace {

// The sky blue of the name fields a double-click opens a search from.
const QColor kSearchableName(0x87, 0xce, 0xeb);

QPushButton* commandButton(const QString& caption, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(caption);
    // A click runs the command with the cursor left where it is, as its key does.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

SlipEntryScreen::SlipEntryScreen(DataModule1& data, HookTargets& targets, HandBacks& handBacks,
                                 const AppState& state, SearchDialogs searches, Messages& messages,
                                 QWidget* parent)
    : Screen(messages, parent),
      rules_(makeRules<SlipEntryRules>(data, targets, state, messages)),
      searches_(std::move(searches)),
      offers_(handBacks, SlipEntryRules::kModeName) {
    setObjectName(SlipEntryRules::kModeName);
    setWindowTitle(QStringLiteral("配車票入力"));

    QWidget* setDateBar = makeSetDateBar();
    form_ = new RecordForm(*this, rules_.slips(),
                           slipFieldTable(rules_.slip(), rules_.billingKinds(), rules_.staff()));
    for (const char* column : {"KNAME", "YNAME"}) {
        BoundLineEdit* name = form_->box(QString::fromLatin1(column));
        QPalette palette = name->palette();
        palette.setColor(QPalette::Base, kSearchableName);
        name->setPalette(palette);
        name->installEventFilter(this);
    }
    wireSetDateBoxes();
    offerHandBacks();

    auto* layout = new QVBoxLayout(this);
    makeMenu();
    layout->addWidget(setDateBar);
    layout->addWidget(form_);
    layout->addWidget(makeCommands());
    layout->addStretch(1);

    subscriptions_.add(rules_.slipEditingChanged,
                       [this](bool editing) { showSlipEditing(editing); });
    showSlipEditing(false);
    setFirstField(year_);
}

QWidget* SlipEntryScreen::makeSetDateBar() {
    auto* bar = new QWidget(this);
    auto* line = new QHBoxLayout(bar);
    line->setContentsMargins(0, 0, 0, 0);
    const SetDateBoxes& opening = rules_.openingBoxes();
    const auto addBox = [&](const QString& name, const QString& text, const QString& unit) {
        auto* box = new QLineEdit(text, bar);
        box->setObjectName(name);
        applyInputMode(*box, InputMode::Direct);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 5);
        line->addWidget(box);
        line->addWidget(new QLabel(unit, bar));
        return box;
    };
    auto* caption = new QLabel(QStringLiteral("&S 設定日付"), bar);
    line->addWidget(caption);
    year_ = addBox(QStringLiteral("EditH1"), opening.year, QStringLiteral("年"));
    month_ = addBox(QStringLiteral("EditH2"), opening.month, QStringLiteral("月"));
    day_ = addBox(QStringLiteral("EditH3"), opening.day, QStringLiteral("日"));
    caption->setBuddy(year_);
    line->addSpacing(24);
    QPushButton* search =
        commandButton(QStringLiteral("&F 配車票検索"), QStringLiteral("btnSearch"), bar);
    connect(search, &QPushButton::clicked, this, [this] { openSlipSearch(); });
    line->addWidget(search);
    line->addStretch(1);
    return bar;
}

// The set-date boxes stand before the slip in the Enter sequence and the Tab order.
void SlipEntryScreen::wireSetDateBoxes() {
    QList<QWidget*> sequence{year_, month_, day_};
    sequence << form_->enterSequence();
    keys().setSequence(sequence);
    keys().setPageKeys(true);
    keys().setEnterSwallowed(true);
    setTabOrder(year_, month_);
    setTabOrder(month_, day_);
    setTabOrder(day_, form_->box(QStringLiteral("HYMD")));

    FieldHooks::on(*year_, messages()).setLeaveHook([this] {
        return setDateLeft(*year_, rules_.yearLeft(year_->text()));
    });
    FieldHooks::on(*month_, messages()).setLeaveHook([this] {
        return setDateLeft(*month_, rules_.monthLeft(month_->text()));
    });
    FieldHooks::on(*day_, messages()).setLeaveHook([this] {
        const SetDateBoxes boxes{year_->text(), month_->text(), day_->text()};
        return setDateLeft(*day_, rules_.dayLeft(boxes));
    });
}

Leave SlipEntryScreen::setDateLeft(QLineEdit& box, const SetDateResult& result) {
    box.setText(result.boxText);
    switch (result.action) {
        case SetDateResult::Action::StayInBox:
            return Leave::Stay;
        case SetDateResult::Action::NewSetDate:
            form_->box(QStringLiteral("HYMD"))->setFocus(Qt::OtherFocusReason);
            return Leave::Go;
        case SetDateResult::Action::None:
            break;
    }
    return Leave::Go;
}

// The searches write the chosen code into the slip and put the cursor on it, so that the
// code's leave logic runs when the user moves on.
void SlipEntryScreen::offerHandBacks() {
    offers_.offer(HandBack::CustomerCode,
                  [this](const QString& code) { takeHandedBack(QStringLiteral("KCODE"), code); });
    offers_.offer(HandBack::CarrierCode,
                  [this](const QString& code) { takeHandedBack(QStringLiteral("YCODE"), code); });
}

void SlipEntryScreen::takeHandedBack(const QString& column, const QString& code) {
    if (!runCommand([&] { return rules_.slip().codeHandedBack(column, code); })) return;
    activateWindow();
    form_->box(column)->setFocus(Qt::OtherFocusReason);
}

bool SlipEntryScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == form_->box(QStringLiteral("KNAME"))) {
            searches_.open(SlipEntryRules::kCustomerSearch);
        } else if (watched == form_->box(QStringLiteral("YNAME"))) {
            searches_.open(SlipEntryRules::kCarrierSearch);
        }
    }
    return Screen::eventFilter(watched, event);
}

void SlipEntryScreen::openSlipSearch() {
    runCommand([this] {
        searches_.open(SlipEntryRules::kSlipSearch, [this] { rules_.prepareSlipSearch(); });
    });
}

QWidget* SlipEntryScreen::makeCommands() {
    auto* box = new QWidget(this);
    post_ = commandButton(QStringLiteral("F1 登録"), QStringLiteral("btnPost"), box);
    cancel_ = commandButton(QStringLiteral("F9 取消"), QStringLiteral("btnCancel"), box);
    append_ = commandButton(QStringLiteral("F3 追加"), QStringLiteral("btnAppend"), box);
    delete_ = commandButton(QStringLiteral("F12 削除"), QStringLiteral("btnDelete"), box);
    QPushButton* close =
        commandButton(QStringLiteral("&Q 閉じる"), QStringLiteral("btnClose"), box);
    connect(post_, &QPushButton::clicked, this, [this] { registerSlip(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { cancelSlip(); });
    connect(append_, &QPushButton::clicked, this, [this] { appendSlip(); });
    connect(delete_, &QPushButton::clicked, this, [this] { deleteSlip(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    keys().bindKey(Qt::Key_F1, [this] { registerSlip(); });
    keys().bindKey(Qt::Key_F9, [this] { cancelSlip(); });
    keys().bindKey(Qt::Key_F3, [this] { appendSlip(); });
    keys().bindKey(Qt::Key_F12, [this] { deleteSlip(); });

    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* button : {post_, cancel_, append_, delete_}) layout->addWidget(button);
    layout->addStretch(1);
    layout->addWidget(close);
    return box;
}

void SlipEntryScreen::makeMenu() {
    auto* bar = new QMenuBar(this);
    QMenu* database = bar->addMenu(QStringLiteral("データベース"));
    database->setObjectName(QStringLiteral("menuDatabase"));
    database->addAction(QStringLiteral("&O 登録"), this, [this] { registerSlip(); });
    database->addAction(QStringLiteral("&C 取消"), this, [this] { cancelSlip(); });
    database->addAction(QStringLiteral("&A 追加"), this, [this] { appendSlip(); });
    database->addAction(QStringLiteral("&D 削除"), this, [this] { deleteSlip(); });
    layout()->setMenuBar(bar);
}

// While a slip is being entered or changed only register and cancel are offered; once it
// is saved or cancelled only append and delete. The keys and menu items work throughout.
void SlipEntryScreen::showSlipEditing(bool editing) {
    post_->setEnabled(editing);
    cancel_->setEnabled(editing);
    append_->setEnabled(!editing);
    delete_->setEnabled(!editing);
}

void SlipEntryScreen::registerSlip() {
    runCommand([this] { return rules_.slip().registerSlip(); });
}

void SlipEntryScreen::cancelSlip() {
    runCommand([this] { rules_.slip().cancelSlip(); });
}

// The new slip starts at its dispatch date, whose default fills in the set date.
void SlipEntryScreen::appendSlip() {
    if (!runCommand([this] { rules_.slip().appendSlip(); })) return;
    BoundLineEdit* date = form_->box(QStringLiteral("HYMD"));
    if (QApplication::focusWidget() == date) {
        runCommand([this] { return rules_.slip().dateEntered(QStringLiteral("HYMD")); });
    } else {
        date->setFocus(Qt::OtherFocusReason);
    }
}

void SlipEntryScreen::deleteSlip() {
    runCommand([this] { return rules_.slip().deleteSlip(); });
}

void SlipEntryScreen::closeEvent(QCloseEvent* event) {
    const Result refusal = rules_.slip().closeRefusal();
    if (!refusal) {
        CommandBoundary::tell(messages(), refusal);
        event->ignore();
        return;
    }
    Screen::closeEvent(event);
}

}  // namespace vantir
