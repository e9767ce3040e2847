#include "cash/screens/CashEntryScreen.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "cash/screens/CashSearchList.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/dataset/TableDataset.h"
#include "platform/ui/BoundLineEdit.h"
#include "platform/ui/FieldHooks.h"
#include "platform/ui/InputMode.h"
#include "platform/ui/KeyHandler.h"
#include "platform/ui/RecordBar.h"
#include "platform/ui/RecordForm.h"

namespace vantir {

namespace {

const QColor kSkyBlue(0xA6, 0xCA, 0xF0);

}  // namespace

CashEntryScreen::CashEntryScreen(const CashSide& side, DataModule1& data, HandBacks& handBacks,
                                 Messages& messages, QString& settingDate,
                                 const QString& workingDate, OpenScreen openScreen, QWidget* parent)
    : Screen(messages, parent),
      rules_(makeRules<CashEntryRules>(side, data, messages, settingDate, workingDate)),
      openScreen_(std::move(openScreen)),
      offers_(handBacks, side.entryMode) {
    setObjectName(side.entryMode);
    setWindowTitle(side.entryCaption);

    QWidget* dateBar = makeDateBar();
    form_ = new RecordForm(*this, rules_.table(), fieldTable());
    partnerName_ = form_->box(side.partnerName);
    QPalette sky = partnerName_->palette();
    sky.setColor(QPalette::Base, kSkyBlue);
    partnerName_->setPalette(sky);
    partnerName_->installEventFilter(this);

    // The staff name follows every change of the code, typed or shown with another record
    // (whose code may be the same text as the last one's).
    const auto staffRule = [this] {
        CommandBoundary::run(this->messages(), [this] { return rules_.staffCodeChanged(); });
    };
    connect(form_->box(QStringLiteral("TANCOD")), &QLineEdit::textChanged, this, staffRule);
    subscriptions_.add(rules_.table().afterScroll, staffRule);
    staffRule();

    offers_.offer(side.partnerHandBack, [this](const QString& code) {
        CommandBoundary::run(this->messages(), [this, code] { return rules_.partnerChosen(code); });
        form_->box(rules_.side().partnerCode)->setFocus(Qt::OtherFocusReason);
    });

    auto* bar = new RecordBar(rules_.table(), messages, QStringLiteral("DBNavigator1"), this);
    bar->setVisibleButtons(
        {RecordBar::Insert, RecordBar::Delete, RecordBar::Post, RecordBar::Cancel});
    // A new record is typed at once from its date, which takes the setting date.
    connect(bar, &RecordBar::executed, this, [this](RecordBar::Button button) {
        if (button != RecordBar::Insert) return;
        BoundLineEdit* date = form_->box(QStringLiteral("HYMD"));
        if (date->hasFocus()) {
            CommandBoundary::run(this->messages(),
                                 [this] { return rules_.dateEntered(QStringLiteral("HYMD")); });
        } else {
            date->setFocus(Qt::OtherFocusReason);
        }
    });
    auto* close = new QPushButton(QStringLiteral("&Q 閉じる"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* bottom = new QHBoxLayout;
    bottom->addWidget(close);
    bottom->addStretch(1);
    bottom->addWidget(bar);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(dateBar);
    layout->addWidget(form_, 1);
    layout->addLayout(bottom);

    keys().setSequence(QList<QWidget*>{year_, month_, day_} + form_->enterSequence());
    keys().setStepKeys(QLatin1Char('+'), QLatin1Char('-'));
    setFirstField(year_);
    searchList_ = new CashSearchList(rules_, messages, this);
}

QList<FormField> CashEntryScreen::fieldTable() {
    CashEntryRules& rules = rules_;
    const CashSide& side = rules.side();
    const QString heading = side.formHeading;
    QList<FormField> fields{
        {.column = "HYMD",
         .caption = "&T 配送日付",
         .enter = [&rules] { return rules.dateEntered(QStringLiteral("HYMD")); }},
        {.column = "THYMD",
         .caption = "着地日付",
         .enter = [&rules] { return rules.dateEntered(QStringLiteral("THYMD")); }},
        {.column = "CODE",
         .caption = "伝票No",
         .enter = [&rules] { return rules.codeEntered(); },
         .leave = [&rules] { return rules.codeLeft(); }},
        {.column = "DDAY",
         .caption = side.dueDateCaption,
         .inEnterSequence = false,
         .inTabOrder = false,
         .readOnly = true},
        {.column = "SEKBN",
         .caption = "請求区分",
         .leave = [&rules] { return Leave(rules.kindLeft()); }},
        {.column = "SEKBN",
         .list = {&rules.kinds(), "FDATA", "FNAME"},
         .inEnterSequence = false,
         .inTabOrder = false},
        {.column = side.partnerCode,
         .caption = "コード",
         .leave = [&rules] { return Leave(rules.partnerCodeLeft()); }},
        {.column = side.partnerName, .caption = side.partnerNameCaption},
        {.column = side.amount, .caption = side.amountCaption},
        {.column = "TANCOD", .caption = "担当CD"},
        {.column = "TANMEI", .caption = "氏名"},
        {.column = "BIKO", .caption = "摘要", .input = InputMode::Hiragana},
    };
    if (!side.fee.isEmpty()) fields.append({.column = side.fee, .caption = "手数料"});
    fields.append(
        {.column = "SUB1", .caption = "予備", .input = InputMode::Hiragana, .name = "DBEdit1"});
    fields.append({.column = "TANCOD", .list = {&rules.staff(), "TANCOD", "TANMEI"}});
    // The carrier fee and purchase cost of a payment are kept but never offered here.
    if (side.fee.isEmpty()) {
        fields.append({.column = "YKING", .caption = "傭車料", .hidden = true});
        fields.append({.column = "SHIYO", .caption = "費用(仕)", .hidden = true});
    }
    fields.first().heading = heading;
    return fields;
}

QWidget* CashEntryScreen::makeDateBar() {
    auto* bar = new QWidget(this);
    year_ = makeDateBox(QStringLiteral("EditH1"));
    month_ = makeDateBox(QStringLiteral("EditH2"));
    day_ = makeDateBox(QStringLiteral("EditH3"));
    const SetDateBoxes boxes = rules_.boxes();
    year_->setText(boxes.year);
    month_->setText(boxes.month);
    day_->setText(boxes.day);

    FieldHooks::on(*year_, messages()).setLeaveHook([this] {
        dateBoxLeft(year_, rules_.yearLeft(year_->text()));
        return Leave::Go;
    });
    FieldHooks::on(*month_, messages()).setLeaveHook([this] {
        dateBoxLeft(month_, rules_.monthLeft(month_->text()));
        return Leave::Go;
    });
    FieldHooks::on(*day_, messages()).setLeaveHook([this] {
        dateBoxLeft(day_, rules_.dayLeft({year_->text(), month_->text(), day_->text()}));
        return Leave::Go;
    });

    searchButton_ = new QPushButton(QStringLiteral("&F 配車票検索"), bar);
    searchButton_->setObjectName(QStringLiteral("btnSearch"));
    connect(searchButton_, &QPushButton::clicked, this, [this] { showSearchList(); });

    auto* caption = new QLabel(QStringLiteral("&S 設定日付"), bar);
    caption->setBuddy(year_);
    auto* layout = new QHBoxLayout(bar);
    layout->addWidget(caption);
    layout->addWidget(year_);
    layout->addWidget(new QLabel(QStringLiteral("年"), bar));
    layout->addWidget(month_);
    layout->addWidget(new QLabel(QStringLiteral("月"), bar));
    layout->addWidget(day_);
    layout->addWidget(new QLabel(QStringLiteral("日"), bar));
    layout->addSpacing(24);
    layout->addWidget(searchButton_);
    layout->addStretch(1);
    return bar;
}

QLineEdit* CashEntryScreen::makeDateBox(const QString& name) {
    auto* box = new QLineEdit(this);
    box->setObjectName(name);
    box->setMaxLength(2);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QStringLiteral("000")) + 12);
    applyInputMode(*box, InputMode::Direct);
    return box;
}

// The box shows what the rule made of it; a new setting date sends the cursor to HYMD.
void CashEntryScreen::dateBoxLeft(QLineEdit* box, SetDateResult result) {
    box->setText(result.boxText);
    if (result.action == SetDateResult::Action::NewSetDate)
        form_->box(QStringLiteral("HYMD"))->setFocus(Qt::OtherFocusReason);
}

void CashEntryScreen::showSearchList() {
    runCommand([this] { searchList_->showList(); });
}

bool CashEntryScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == partnerName_ && event->type() == QEvent::MouseButtonDblClick && openScreen_) {
        openScreen_(rules_.side().partnerSearch);
        return true;
    }
    return Screen::eventFilter(watched, event);
}

}  // namespace vantir
