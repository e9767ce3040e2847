#include "slips/screens/SlipCommands.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QVBoxLayout>

#include "data/HandBacks.h"
#include "platform/ui/BoundLineEdit.h"
#include "platform/ui/KeyHandler.h"
#include "platform/ui/RecordForm.h"
#include "platform/ui/Screen.h"
#include "slips/rules/SlipEntryRules.h"
#include "slips/rules/SlipRules.h"
#include "slips/screens/SearchDialogs.h"

namespace vantir {

namespace {

// The sky blue of the name fields a double-click opens a search from.
const QColor kSearchableName(0x87, 0xce, 0xeb);

}  // namespace

SlipCommands::SlipCommands(Screen& screen, SlipRules& slip, SearchDialogs& searches,
                           std::function<void()> appendSlip)
    : screen_(screen), slip_(slip), searches_(searches), appendSlip_(std::move(appendSlip)) {}

QPushButton* SlipCommands::commandButton(const QString& caption, const QString& name,
                                         QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setToolTip(caption);
    // A click runs the command with the cursor left where it is, as its key does.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void SlipCommands::attachForm(RecordForm& form, HandBackOffers& offers) {
    form_ = &form;
    for (const char* column : {"KNAME", "YNAME"}) {
        BoundLineEdit* name = form.box(QString::fromLatin1(column));
        QPalette palette = name->palette();
        palette.setColor(QPalette::Base, kSearchableName);
        name->setPalette(palette);
        name->installEventFilter(&screen_);
    }
    if (!slip_.description().takesSearchedCodes) return;
    // The searches write the chosen code into the slip and put the cursor on it, so that
    // the code's leave logic runs when the user moves on.
    offers.offer(HandBack::CustomerCode,
                 [this](const QString& code) { takeHandedBack(QStringLiteral("KCODE"), code); });
    offers.offer(HandBack::CarrierCode,
                 [this](const QString& code) { takeHandedBack(QStringLiteral("YCODE"), code); });
}

void SlipCommands::takeHandedBack(const QString& column, const QString& code) {
    if (!screen_.runCommand([&] { return slip_.codeHandedBack(column, code); })) return;
    screen_.activateWindow();
    form_->box(column)->setFocus(Qt::OtherFocusReason);
}

void SlipCommands::watchName(QObject* watched, QEvent* event) {
    if (event->type() != QEvent::MouseButtonDblClick) return;
    if (watched == form_->box(QStringLiteral("KNAME"))) {
        searches_.open(SlipEntryRules::kCustomerSearch);
    } else if (watched == form_->box(QStringLiteral("YNAME"))) {
        searches_.open(SlipEntryRules::kCarrierSearch);
    }
}

QWidget* SlipCommands::makeCommands(bool withAppendButton) {
    auto* box = new QWidget(&screen_);
    post_ = commandButton(QStringLiteral("F1 登録"), QStringLiteral("btnPost"), box);
    cancel_ = commandButton(QStringLiteral("F9 取消"), QStringLiteral("btnCancel"), box);
    if (withAppendButton) {
        append_ = commandButton(QStringLiteral("F3 追加"), QStringLiteral("btnAppend"), box);
    }
    delete_ = commandButton(QStringLiteral("F12 削除"), QStringLiteral("btnDelete"), box);
    QPushButton* close =
        commandButton(QStringLiteral("&Q 閉じる"), QStringLiteral("btnClose"), box);
    QObject::connect(post_, &QPushButton::clicked, &screen_, [this] { registerSlip(); });
    QObject::connect(cancel_, &QPushButton::clicked, &screen_, [this] { cancelSlip(); });
    if (append_) {
        QObject::connect(append_, &QPushButton::clicked, &screen_, [this] { appendSlip_(); });
    }
    QObject::connect(delete_, &QPushButton::clicked, &screen_, [this] { deleteSlip(); });
    QObject::connect(close, &QPushButton::clicked, &screen_, &QWidget::close);
    screen_.keys().bindKey(Qt::Key_F1, [this] { registerSlip(); });
    screen_.keys().bindKey(Qt::Key_F9, [this] { cancelSlip(); });
    screen_.keys().bindKey(Qt::Key_F3, [this] { appendSlip_(); });
    screen_.keys().bindKey(Qt::Key_F12, [this] { deleteSlip(); });

    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    for (QPushButton* button : {post_, cancel_, append_, delete_}) {
        if (button) layout->addWidget(button);
    }
    layout->addStretch(1);
    layout->addWidget(close);
    return box;
}

void SlipCommands::makeMenu() {
    auto* bar = new QMenuBar(&screen_);
    QMenu* database = bar->addMenu(QStringLiteral("データベース"));
    database->setObjectName(QStringLiteral("menuDatabase"));
    database->addAction(QStringLiteral("&O 登録"), &screen_, [this] { registerSlip(); });
    database->addAction(QStringLiteral("&C 取消"), &screen_, [this] { cancelSlip(); });
    database->addAction(QStringLiteral("&A 追加"), &screen_, [this] { appendSlip_(); });
    database->addAction(QStringLiteral("&D 削除"), &screen_, [this] { deleteSlip(); });
    screen_.layout()->setMenuBar(bar);
}

void SlipCommands::layOutScreen(QWidget* topBar, bool withAppendButton,
                                Event<bool>& slipEditingChanged) {
    auto* layout = new QVBoxLayout(&screen_);
    makeMenu();
    layout->addWidget(topBar);
    layout->addWidget(form_);
    layout->addWidget(makeCommands(withAppendButton));
    layout->addStretch(1);
    subscriptions_.add(slipEditingChanged, [this](bool editing) { showSlipEditing(editing); });
    showSlipEditing(false);
}

void SlipCommands::showSlipEditing(bool editing) {
    post_->setEnabled(editing);
    cancel_->setEnabled(editing);
    if (append_) append_->setEnabled(!editing);
    delete_->setEnabled(!editing);
}

void SlipCommands::registerSlip() {
    screen_.runCommand([this] { return slip_.registerSlip(); });
}

void SlipCommands::cancelSlip() {
    screen_.runCommand([this] { slip_.cancelSlip(); });
}

void SlipCommands::deleteSlip() {
    screen_.runCommand([this] { return slip_.deleteSlip(); });
}

}  // namespace vantir
