#include "billing/screens/SelSeikyuScreen.h"

#include <QDateEdit>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "platform/dataset/QueryDataset.h"
#include "platform/dates/DateText.h"
#include "platform/ui/DatasetGrid.h"
#include "platform/ui/FieldHooks.h"
#include "platform/ui/InputMode.h"
#include "platform/ui/KeyHandler.h"

namespace vantir {

namespace {

QDateEdit* datePicker(QWidget* parent, const char* name) {
    auto* picker = new QDateEdit(parent);
    picker->setObjectName(QString::fromLatin1(name));
    picker->setDisplayFormat(QStringLiteral("yy/MM/dd"));
    picker->setCalendarPopup(true);
    return picker;
}

BillingPeriod periodOf(const QDateEdit& first, const QDateEdit& last) {
    return {formatYyMmDd(first.date()), formatYyMmDd(last.date())};
}

void showDate(QDateEdit& picker, const QString& text) {
    if (const std::optional<QDate> date = parseYyMmDd(text)) {
        const QSignalBlocker quiet(picker);
        picker.setDate(*date);
    }
}

void showText(QLineEdit& edit, const QString& text) {
    if (edit.text() == text) return;
    const QSignalBlocker quiet(edit);
    edit.setText(text);
}

}  // namespace

SelSeikyuScreen::SelSeikyuScreen(DataModule1& dm1, DataModule2& dm2, const AppState& state,
                                 Messages& messages, QWidget* parent)
    : Screen(messages, parent), rules_(makeRules<SelSeikyuRules>(dm1, dm2, state, messages)) {
    setObjectName(QStringLiteral("SelSeikyu"));
    setWindowTitle(QStringLiteral("請求印刷選択"));

    auto* heading = new QLabel(QStringLiteral("請求書印刷選択"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    sime_ = lineEdit("EditSime", 2);
    first_ = datePicker(this, "DateTimePicker1");
    last_ = datePicker(this, "DateTimePicker2");
    code_ = lineEdit("Edit1", 6);
    name_ = lineEdit("Edit2", 30);
    name_->setReadOnly(true);
    name_->setFocusPolicy(Qt::ClickFocus);  // skipped by Tab
    applyInputMode(*name_, InputMode::Hiragana);
    rate_ = lineEdit("Edit3", 3);
    amount_ = lineEdit("Edit4", 11);

    auto* search = button("btnSearch", QStringLiteral("検索"));
    auto* redisplay = button("btnReDisp", QStringLiteral("再表示"));
    print_ = button("btnPrint", QStringLiteral("印刷"));
    copy_ = button("btnCopy", QStringLiteral("コピー"));
    total_ = button("btnTotal", QStringLiteral("合計請求"));
    auto* totalPrint = button("btnTotalPrint", QStringLiteral("合計印刷"));
    auto* close = button("btnClose", QStringLiteral("閉じる"));
    auto* discountLabel = new QLabel(QStringLiteral("値引き金額"), this);
    discountLabel->setObjectName(QStringLiteral("LabelDiscount"));
    auto* percent = new QLabel(QStringLiteral("％"), this);
    percent->setObjectName(QStringLiteral("LabelPercent"));
    auto* yen = new QLabel(QStringLiteral("円"), this);
    yen->setObjectName(QStringLiteral("LabelYen"));
    discountControls_ = {discountLabel, rate_, percent, amount_, yen, totalPrint};

    list_ = new DatasetGrid(rules_.customers(),
                            {{QStringLiteral("KCODE"), QStringLiteral("コード")},
                             {QStringLiteral("KNAME"), QStringLiteral("取引先名")},
                             {QStringLiteral("KADD1"), QStringLiteral("住所１")}},
                            messages, this);
    list_->setObjectName(QStringLiteral("DBGrid1"));

    auto* fields = new QGridLayout;
    fields->addWidget(heading, 0, 0, 1, 6);
    fields->addWidget(new QLabel(QStringLiteral("締日"), this), 1, 0);
    fields->addWidget(sime_, 1, 1);
    fields->addWidget(first_, 1, 2);
    fields->addWidget(new QLabel(QStringLiteral("～"), this), 1, 3);
    fields->addWidget(last_, 1, 4);
    fields->addWidget(new QLabel(QStringLiteral("得意先"), this), 2, 0);
    fields->addWidget(code_, 2, 1);
    fields->addWidget(name_, 2, 2, 1, 3);
    auto* discount = new QHBoxLayout;
    for (QWidget* control : discountControls_) discount->addWidget(control);
    discount->addStretch(1);
    auto* buttons = new QHBoxLayout;
    for (QPushButton* b : {search, redisplay, print_, copy_, total_}) buttons->addWidget(b);
    buttons->addStretch(1);
    buttons->addWidget(close);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);
    layout->addLayout(discount);
    layout->addWidget(list_, 1);

    connect(sime_, &QLineEdit::textChanged, this,
            [this](const QString& text) { act([&] { return rules_.closingDayChanged(text); }); });
    for (QDateEdit* picker : {first_, last_}) {
        connect(picker, &QDateEdit::dateChanged, this, [this] {
            act([this] { return rules_.periodChanged(periodOf(*first_, *last_)); });
        });
    }
    FieldHooks::on(*last_, messages).setLeaveHook([this] {
        const Leave searched = rules_.search();
        showState();
        return searched;
    });
    connect(code_, &QLineEdit::textChanged, this,
            [this](const QString& text) { act([&] { return rules_.codeChanged(text); }); });
    FieldHooks::on(*code_, messages).setLeaveHook([this] {
        const Leave left = rules_.codeLeft();
        showState();
        return left;
    });
    connect(rate_, &QLineEdit::textChanged, this,
            [this](const QString& text) { act([&] { return rules_.discountRateChanged(text); }); });
    connect(amount_, &QLineEdit::textChanged, this, [this](const QString& text) {
        act([&] { return rules_.discountAmountChanged(text); });
    });
    // A click on a cell, the mouse released over it: the code of the list's current row.
    connect(list_, &QAbstractItemView::clicked, this,
            [this] { act([this] { return rules_.customerClicked(); }); });
    connect(search, &QPushButton::clicked, this,
            [this] { act([this] { return rules_.search(); }); });
    connect(redisplay, &QPushButton::clicked, this,
            [this] { act([this] { return rules_.redisplay(); }); });
    connect(print_, &QPushButton::clicked, this, [this] {
        QString preview;
        act([&] { return rules_.print(&preview); });
        previewIfNamed(preview);
    });
    connect(copy_, &QPushButton::clicked, this, [this] {
        QString preview;
        act([&] { return rules_.copy(&preview); });
        previewIfNamed(preview);
    });
    connect(total_, &QPushButton::clicked, this,
            [this] { act([this] { rules_.totalInvoice(); }); });
    connect(totalPrint, &QPushButton::clicked, this, [this] {
        QString preview;
        act([&] { return rules_.totalPrint(&preview); });
        previewIfNamed(preview);
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    // From the customer the cursor goes on to "印刷", and from the discount to "合計印刷";
    // Enter there presses the button.
    keys().setSequence({sime_, first_, last_, code_, print_, rate_, amount_, totalPrint});
    keys().setStepKeys(QLatin1Char('+'), QLatin1Char('-'));
    keys().setWrapping(true);
    setFirstField(sime_);
    showState();
}

void SelSeikyuScreen::showEvent(QShowEvent* event) {
    Screen::showEvent(event);
    if (std::exchange(opened_, true)) return;
    act([this] { return rules_.opening(); });
}

QLineEdit* SelSeikyuScreen::lineEdit(const char* name, int maxLength) {
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(maxLength);
    applyInputMode(*edit, InputMode::Direct);
    return edit;
}

QPushButton* SelSeikyuScreen::button(const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, this);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

void SelSeikyuScreen::showState() {
    const SelSeikyuRules::State& state = rules_.state();
    showText(*sime_, state.closingDay);
    showDate(*first_, state.period.first);
    showDate(*last_, state.period.last);
    showText(*code_, state.code);
    showText(*name_, state.name);
    showText(*rate_, state.discountRate);
    showText(*amount_, state.discountAmount);
    print_->setEnabled(state.printEnabled);
    copy_->setEnabled(state.copyEnabled);
    total_->setVisible(state.totalShown);
    for (QWidget* control : discountControls_) control->setVisible(state.discountShown);
}

void SelSeikyuScreen::previewIfNamed(const QString& printout) {
    if (printout.isEmpty()) return;
    runCommand([&] { rules_.printRunner().preview(printout, {}, this); });
}

}  // namespace vantir
