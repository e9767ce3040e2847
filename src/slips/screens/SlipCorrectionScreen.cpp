#include "slips/screens/SlipCorrectionScreen.h"

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "platform/dataset/TableDataset.h"
#include "platform/ui/BoundLineEdit.h"
#include "platform/ui/FieldHooks.h"
#include "platform/ui/InputMode.h"
#include "platform/ui/KeyHandler.h"
#include "platform/ui/RecordForm.h"
#include "slips/rules/SlipEntryRules.h"
#include "slips/screens/SlipFieldTable.h"

namespace vantir {

namespace {

const QColor kSearchableName(0x87, 0xce, 0xeb);
const QString kDispatchDate = QStringLiteral("HYMD");

QPushButton* commandButton(const QString& caption, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(caption);
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

}  // namespace

SlipCorrectionScreen::SlipCorrectionScreen(DataModule1& data, HookTargets& targets,
                                           HandBacks& handBacks, SearchDialogs searches,
                                           Messages& messages, QWidget* parent)
    : Screen(messages, parent),
      rules_(makeRules<SlipCorrectionRules>(data, targets, messages)),
      searches_(std::move(searches)),
      offers_(handBacks, SlipCorrectionRules::kModeName) {
    setObjectName(SlipCorrectionRules::kModeName);
    setWindowTitle(QStringLiteral("配車票訂正"));

    QWidget* numberBar = makeNumberBar();
    form_ = new RecordForm(*this, rules_.slips(),
                           slipFieldTable(rules_.slip(), rules_.billingKinds(), rules_.staff()));
    for (const char* column : {"KNAME", "YNAME"}) {
        BoundLineEdit* name = form_->box(QString::fromLatin1(column));
        QPalette palette = name->palette();
        palette.setColor(QPalette::Base, kSearchableName);
        name->setPalette(palette);
        name->installEventFilter(this);
    }
    wireNumberBox();
    offerHandBacks();

    auto* layout = new QVBoxLayout(this);
    makeMenu();
    layout->addWidget(numberBar);
    layout->addWidget(form_);
    layout->addWidget(makeCommands());
    layout->addStretch(1);

    subscriptions_.add(rules_.slipEditingChanged,
                       [this](bool editing) { showSlipEditing(editing); });
    showSlipEditing(false);
    setFirstField(number_);
}

QWidget* SlipCorrectionScreen::makeNumberBar() {
    auto* bar = new QWidget(this);
    auto* line = new QHBoxLayout(bar);
    line->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(QStringLiteral("&S 伝票検索"), bar);
    number_ = new QLineEdit(bar);
    number_->setObjectName(kNumberBox);
    applyInputMode(*number_, InputMode::Direct);
    number_->setFixedWidth(number_->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 10);
    caption->setBuddy(number_);
    line->addWidget(caption);
    line->addWidget(number_);
    line->addStretch(1);
    return bar;
}

// The number box stands before the slip in the Enter sequence and the Tab order.
void SlipCorrectionScreen::wireNumberBox() {
    QList<QWidget*> sequence{number_};
    sequence << form_->enterSequence();
    keys().setSequence(sequence);
    keys().setPageKeys(true);
    keys().setEnterSwallowed(true);
    setTabOrder(number_, form_->box(kDispatchDate));

    FieldHooks& hooks = FieldHooks::on(*number_, messages());
    hooks.setEnterHook([this] {
        // A kept change sends the cursor back to the slip it belongs to.
        if (!rules_.numberEntered()) {
            QTimer::singleShot(
                0, this, [this] { form_->box(kDispatchDate)->setFocus(Qt::OtherFocusReason); });
        }
    });
    hooks.setLeaveHook([this] {
        const Leave leave = rules_.numberLeft(number_->text());
        if (!leave.stays() && !rules_.slip().changePending()) {
            form_->box(kDispatchDate)->setFocus(Qt::OtherFocusReason);
        }
        return leave;
    });
}

// The searches write the chosen code into the slip shown, as they do for the entry.
void SlipCorrectionScreen::offerHandBacks() {
    offers_.offer(HandBack::CustomerCode,
                  [this](const QString& code) { takeHandedBack(QStringLiteral("KCODE"), code); });
    offers_.offer(HandBack::CarrierCode,
                  [this](const QString& code) { takeHandedBack(QStringLiteral("YCODE"), code); });
}

void SlipCorrectionScreen::takeHandedBack(const QString& column, const QString& code) {
    if (!runCommand([&] { return rules_.slip().codeHandedBack(column, code); })) return;
    activateWindow();
    form_->box(column)->setFocus(Qt::OtherFocusReason);
}

bool SlipCorrectionScreen::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonDblClick) {
        if (watched == form_->box(QStringLiteral("KNAME"))) {
            searches_.open(SlipEntryRules::kCustomerSearch);
        } else if (watched == form_->box(QStringLiteral("YNAME"))) {
            searches_.open(SlipEntryRules::kCarrierSearch);
        }
    }
    return Screen::eventFilter(watched, event);
}

QWidget* SlipCorrectionScreen::makeCommands() {
    auto* box = new QWidget(this);
    post_ = commandButton(QStringLiteral("F1 登録"), QStringLiteral("btnPost"), box);
    cancel_ = commandButton(QStringLiteral("F9 取消"), QStringLiteral("btnCancel"), box);
    delete_ = commandButton(QStringLiteral("F12 削除"), QStringLiteral("btnDelete"), box);
    QPushButton* close =
        commandButton(QStringLiteral("&Q 閉じる"), QStringLiteral("btnClose"), box);
    connect(post_, &QPushButton::clicked, this, [this] { registerSlip(); });
    connect(cancel_, &QPushButton::clicked, this, [this] { cancelSlip(); });
    connect(delete_, &QPushButton::clicked, this, [this] { deleteSlip(); });
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    keys().bindKey(Qt::Key_F1, [this] { registerSlip(); });
    keys().bindKey(Qt::Key_F9, [this] { cancelSlip(); });
    keys().bindKey(Qt::Key_F3, [this] { appendSlip(); });
    keys().bindKey(Qt::Key_F12, [this] { deleteSlip(); });

    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* button : {post_, cancel_, delete_}) layout->addWidget(button);
    layout->addStretch(1);
    layout->addWidget(close);
    return box;
}

void SlipCorrectionScreen::makeMenu() {
    auto* bar = new QMenuBar(this);
    QMenu* database = bar->addMenu(QStringLiteral("データベース"));
    database->setObjectName(QStringLiteral("menuDatabase"));
    database->addAction(QStringLiteral("&O 登録"), this, [this] { registerSlip(); });
    database->addAction(QStringLiteral("&C 取消"), this, [this] { cancelSlip(); });
    database->addAction(QStringLiteral("&A 追加"), this, [this] { appendSlip(); });
    database->addAction(QStringLiteral("&D 削除"), this, [this] { deleteSlip(); });
    layout()->setMenuBar(bar);
}

void SlipCorrectionScreen::showSlipEditing(bool editing) {
    post_->setEnabled(editing);
    cancel_->setEnabled(editing);
    delete_->setEnabled(!editing);
}

void SlipCorrectionScreen::registerSlip() {
    runCommand([this] { return rules_.slip().registerSlip(); });
}

void SlipCorrectionScreen::cancelSlip() {
    runCommand([this] { rules_.slip().cancelSlip(); });
}

void SlipCorrectionScreen::appendSlip() {
    if (!runCommand([this] { rules_.slip().appendSlip(); })) return;
    form_->box(kDispatchDate)->setFocus(Qt::OtherFocusReason);
}

void SlipCorrectionScreen::deleteSlip() {
    runCommand([this] { return rules_.slip().deleteSlip(); });
}

void SlipCorrectionScreen::closeEvent(QCloseEvent* event) {
    const Result refusal = rules_.slip().closeRefusal();
    if (!refusal) {
        CommandBoundary::tell(messages(), refusal);
        event->ignore();
        return;
    }
    Screen::closeEvent(event);
}

}  // namespace vantir
