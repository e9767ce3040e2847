#include "slips/screens/DispatchListScreen.h"

#include <QComboBox>
#include <QDateEdit>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

#include "platform/dataset/TableDataset.h"
#include "platform/system/Clock.h"
#include "platform/ui/BoundLineEdit.h"
#include "platform/ui/DatePicker.h"
#include "platform/ui/FieldHooks.h"
#include "platform/ui/InputMode.h"
#include "platform/ui/KeyHandler.h"
#include "platform/ui/PanelList.h"
#include "platform/ui/RecordBar.h"
#include "slips/rules/SlipEntryRules.h"
#include "slips/screens/SlipCorrectionScreen.h"

namespace vantir {

namespace {

const QColor kAmountGreen(0xC0, 0xF0, 0xC0);
const QColor kReceiptYellow(0xFF, 0xFF, 0xA0);
const QColor kNameSkyBlue(0xA6, 0xCA, 0xF0);

QPushButton* listButton(const QString& caption, const QString& name, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    return button;
}

}  // namespace

DispatchListScreen::DispatchListScreen(DataModule1& data, HandBacks& handBacks,
                                       QString& receiptDate, SlipCorrectionScreen& inquiry,
                                       SearchDialogs searches, Messages& messages, QWidget* parent)
    : Screen(messages, parent),
      rules_(makeRules<DispatchListRules>(data, receiptDate)),
      inquiry_(&inquiry),
      searches_(std::move(searches)),
      offers_(handBacks, DispatchListRules::kModeName) {
    setObjectName(DispatchListRules::kModeName);
    setWindowTitle(QStringLiteral("配車一覧"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeSearchBar());
    layout->addWidget(makeCommandBar());
    layout->addWidget(makeList(), 1);

    // A search confirmed from the name box (or from the inquiry's names) hands its code
    // to the search value, zero-filled and named at once.
    offers_.offer(HandBack::SearchValue, [this](const QString& code) {
        value_->setText(code);
        runCommand([this] { valueLeft(); });
        activateWindow();
        value_->setFocus(Qt::OtherFocusReason);
    });
    // What the inquiry registered shows in the list once it is closed.
    connect(&inquiry, &Screen::closed, this, [this] {
        runCommand([this] {
            if (rules_.slips().isOpen()) rules_.slips().refresh();
        });
    });
    keys().setSequence({from_, to_, kind_, value_});
    setFirstField(from_);
}

QWidget* DispatchListScreen::makeSearchBar() {
    auto* bar = new QWidget(this);
    const DispatchListRules::Range range = DispatchListRules::openingRange(Clock::today());
    from_ = makeDatePicker(QStringLiteral("DateTimePicker1"), range.from, bar);
    to_ = makeDatePicker(QStringLiteral("DateTimePicker2"), range.to, bar);

    kind_ = new QComboBox(bar);
    kind_->setObjectName(QStringLiteral("ComboBox1"));
    kind_->addItems(DispatchListRules::searchKindItems());
    connect(kind_, &QComboBox::currentIndexChanged, this, [this] { kindChanged(); });

    value_ = new QLineEdit(bar);
    value_->setObjectName(QStringLiteral("Edit1"));
    value_->setMaxLength(6);
    applyInputMode(*value_, InputMode::Direct);
    value_->setFixedWidth(value_->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 10);
    FieldHooks::on(*value_, messages()).setLeaveHook([this] { return valueLeft(); });

    name_ = new QLineEdit(bar);
    name_->setObjectName(QStringLiteral("Edit2"));
    name_->setReadOnly(true);
    name_->setMinimumWidth(name_->fontMetrics().horizontalAdvance(QString(15, QChar(0x3042))));
    QPalette sky = name_->palette();
    sky.setColor(QPalette::Base, kNameSkyBlue);
    name_->setPalette(sky);
    name_->installEventFilter(this);

    QPushButton* search = listButton(QStringLiteral("検索実行"), QStringLiteral("btnSearch"), bar);
    connect(search, &QPushButton::clicked, this, [this] { this->search(); });
    QPushButton* reset = listButton(QStringLiteral("初期化"), QStringLiteral("btnReset"), bar);
    connect(reset, &QPushButton::clicked, this, [this] { this->reset(); });
    QPushButton* inquiry = listButton(QStringLiteral("日報訂正"), QStringLiteral("btnEdit"), bar);
    connect(inquiry, &QPushButton::clicked, this, [this] { openInquiry(); });
    QPushButton* close = listButton(QStringLiteral("閉じる"), QStringLiteral("btnClose"), bar);
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* line = new QHBoxLayout(bar);
    line->setContentsMargins(0, 0, 0, 0);
    line->addWidget(from_);
    line->addWidget(new QLabel(QStringLiteral("～"), bar));
    line->addWidget(to_);
    line->addSpacing(12);
    line->addWidget(kind_);
    line->addWidget(value_);
    line->addWidget(name_);
    line->addWidget(search);
    line->addWidget(reset);
    line->addStretch(1);
    line->addWidget(inquiry);
    line->addWidget(close);
    return bar;
}

QWidget* DispatchListScreen::makeCommandBar() {
    auto* bar = new RecordBar(rules_.slips(), messages(), QStringLiteral("DBNavigator1"), this);
    bar->setVisibleButtons(
        {RecordBar::Insert, RecordBar::Delete, RecordBar::Post, RecordBar::Cancel});
    return bar;
}

PanelList* DispatchListScreen::makeList() {
    const QList<PanelLine> lines{
        {{"HYMD", "&T 配送日付", 8},
         {"THYMD", "着地日付", 8},
         {"CODE", "伝票No", 6},
         {"SEKBN", "請求区分", 7},
         {"DDAY", "請求日付", 8},
         {"CHKDAY", "受領確認", 8, kReceiptYellow},
         {"BIKO", "摘要", 20},
         {"TANCOD", "担当CD", 4},
         {"TANMEI", "", 14}},
        {{"KCODE", "コード", 6},
         {"KNAME", "得意先名", 30, kNameSkyBlue},
         {"HATTI", "発地", 20},
         {"THTTI", "着地", 20},
         {"TON", "屯数", 4},
         {"UKING", "売上金額", 10, kAmountGreen}},
        {{"YCODE", "コード", 6},
         {"YNAME", "傭車先名", 30, kNameSkyBlue},
         {"SHBAN", "車番", 5},
         {"SUBM", "備　考", 20},
         {"YKING", "傭車売上", 10, kAmountGreen},
         {"SKING", "傭車料", 10, kAmountGreen},
         {"UHIYO", "費用(売)", 10, kAmountGreen},
         {"SHIYO", "費用(仕)", 10, kAmountGreen}},
    };
    list_ = new PanelList(rules_.slips(), lines, kPanelCount, messages(), this);
    list_->setObjectName(QStringLiteral("DBCtrlGrid1"));
    // Dates, codes, numbers and amounts are typed with the input method off; names and
    // places with kana-kanji input.
    for (const char* column :
         {"HYMD", "THYMD", "CODE", "SEKBN", "DDAY", "CHKDAY", "TANCOD", "KCODE", "TON", "UKING",
          "YCODE", "SHBAN", "YKING", "SKING", "UHIYO", "SHIYO"}) {
        for (BoundLineEdit* box : list_->fields(QString::fromLatin1(column)))
            box->setInputMode(InputMode::Direct);
    }
    // The receipt date is the one field with logic of its own: it repeats the last date
    // the user left in it.
    for (BoundLineEdit* receiptDate : list_->fields(QStringLiteral("CHKDAY"))) {
        receiptDate->hooks().setEnterHook([this] { return rules_.receiptDateEntered(); });
        receiptDate->hooks().setLeaveHook([this] {
            rules_.receiptDateLeft();
            return Leave::Go;
        });
    }
    return list_;
}

DispatchListRules::SearchKind DispatchListScreen::kind() const {
    return static_cast<DispatchListRules::SearchKind>(std::max(0, kind_->currentIndex()));
}

void DispatchListScreen::kindChanged() {
    name_->setVisible(DispatchListRules::hasName(kind()));
    value_->clear();
    name_->clear();
}

Leave DispatchListScreen::valueLeft() {
    const DispatchListRules::SearchValue left = rules_.searchValueLeft(kind(), value_->text());
    value_->setText(left.value);
    name_->setText(left.name);
    return Leave::Go;
}

void DispatchListScreen::search() {
    runCommand([this] {
        valueLeft();
        rules_.search(kind(), from_->date(), to_->date(), value_->text());
    });
}

void DispatchListScreen::reset() {
    runCommand([this] {
        value_->clear();
        name_->clear();
        kind_->setCurrentIndex(0);
        rules_.reset();
    });
}

void DispatchListScreen::openInquiry() {
    if (!inquiry_ || !runCommand([this] { return rules_.registerPending(); })) return;
    inquiry_->showListSlip(rules_.currentCode());
}

Result DispatchListScreen::closeRefusal() { return rules_.registerPending(); }

bool DispatchListScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == name_ && event->type() == QEvent::MouseButtonDblClick) {
        if (kind() == DispatchListRules::SearchKind::Customer) {
            searches_.open(SlipEntryRules::kCustomerSearch);
        } else if (kind() == DispatchListRules::SearchKind::Carrier) {
            searches_.open(SlipEntryRules::kCarrierSearch);
        }
        return true;
    }
    return Screen::eventFilter(watched, event);
}

}  // namespace vantir
