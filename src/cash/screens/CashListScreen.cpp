#include "cash/screens/CashListScreen.h"

#include <QDateEdit>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/dataset/QueryDataset.h"
#include "platform/system/Clock.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/InputMode.h"
#include "platform/ui/PanelList.h"

namespace vantir {

namespace {

const QColor kAmountGreen(0xC0, 0xF0, 0xC0);
const QColor kSkyBlue(0xA6, 0xCA, 0xF0);
constexpr int kPanelCount = 9;

}  // namespace

CashListScreen::CashListScreen(const CashSide& side, DataModule1& data, HandBacks& handBacks,
                               Messages& messages, OpenScreen openScreen, QWidget* parent)
    : Screen(messages, parent),
      rules_(makeRules<CashListRules>(side, data)),
      openScreen_(std::move(openScreen)),
      offers_(handBacks, side.listMode) {
    setObjectName(side.listMode);
    setWindowTitle(side.listCaption);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeTopPanel());
    layout->addWidget(makeList(), 1);

    // The search puts its choice into the code box; the name follows the code.
    offers_.offer(HandBack::SearchValue, [this](const QString& code) { code_->setText(code); });
    setFirstField(from_);
}

QWidget* CashListScreen::makeTopPanel() {
    auto* panel = new QWidget(this);
    const CashListRules::Range range = CashListRules::openingRange(Clock::today());
    from_ = makeDatePicker(QStringLiteral("DateTimePicker1"), range.from, this);
    to_ = makeDatePicker(QStringLiteral("DateTimePicker2"), range.to, this);

    code_ = new QLineEdit(panel);
    code_->setObjectName(QStringLiteral("Edit1"));
    code_->setMaxLength(6);
    applyInputMode(*code_, InputMode::Direct);
    name_ = new QLineEdit(panel);
    name_->setObjectName(QStringLiteral("Edit2"));
    name_->setReadOnly(true);
    name_->setMinimumWidth(name_->fontMetrics().horizontalAdvance(QString(15, QChar(0x3042))));
    QPalette sky = name_->palette();
    sky.setColor(QPalette::Base, kSkyBlue);
    name_->setPalette(sky);
    name_->installEventFilter(this);
    connect(code_, &QLineEdit::textChanged, this, [this](const QString& code) {
        runCommand([this, code] { name_->setText(rules_.partnerName(code)); });
    });

    auto* run = new QPushButton(QStringLiteral("&E 実行"), panel);
    run->setObjectName(QStringLiteral("btnRun"));
    connect(run, &QPushButton::clicked, this, [this] {
        runCommand([this] { rules_.run(from_->date(), to_->date(), code_->text()); });
    });
    auto* close = new QPushButton(QStringLiteral("&Q 閉じる"), panel);
    close->setObjectName(QStringLiteral("btnClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QHBoxLayout(panel);
    layout->addWidget(from_);
    layout->addWidget(new QLabel(QStringLiteral("～"), panel));
    layout->addWidget(to_);
    layout->addSpacing(12);
    layout->addWidget(code_);
    layout->addWidget(name_);
    layout->addWidget(run);
    layout->addStretch(1);
    layout->addWidget(close);
    return panel;
}

PanelList* CashListScreen::makeList() {
    const CashSide& side = rules_.side();
    QList<PanelLine> lines{
        {{"HYMD", "&T 配送日付", 8},
         {"THYMD", "着地日付", 8},
         {"CODE", "伝票No", 6},
         {"SEKBN", "請求区分", 2},
         {"SEKBN_N", "", 6},
         {"DDAY", "請求日付", 8}},
        {{"BIKO", "適用", 20}, {"SUB1", "予備", 10}},
        {{side.partnerCode, side.partnerTitle, 6},
         {side.partnerName, "", 30, kSkyBlue},
         {side.amount, side.listAmountCaption, 10, kAmountGreen}},
    };
    if (!side.fee.isEmpty()) lines[2].append({side.fee, "費用", 10, kAmountGreen});
    lines[2].append({"TANCOD", "担当者", 2});
    lines[2].append({"TANMEI", "", 20});
    auto* list = new PanelList(rules_.query(), lines, kPanelCount, messages(), this);
    list->setObjectName(QStringLiteral("DBCtrlGrid1"));
    list->setReadOnly(true);
    return list;
}

bool CashListScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == name_ && event->type() == QEvent::MouseButtonDblClick && openScreen_) {
        openScreen_(rules_.side().partnerSearch);
        return true;
    }
    return Screen::eventFilter(watched, event);
}

}  // namespace vantir
