#include "masters/screens/PartnerMasterScreen.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "platform/dataset/QueryDataset.h"
#include "platform/dataset/TableDataset.h"
#include "platform/ui/BoundLineEdit.h"
#include "platform/ui/DatasetGrid.h"
#include "platform/ui/KeyHandler.h"
#include "platform/ui/ListWidths.h"
#include "platform/ui/RecordBar.h"
#include "platform/ui/RecordForm.h"

namespace vantir {

PartnerMasterScreen::PartnerMasterScreen(DataModule1& data, HookTargets& targets,
                                         Messages& messages, QWidget* parent)
    : Screen(messages, parent), rules_(makeRules<PartnerMasterRules>(data, targets)) {
    setObjectName(PartnerMasterRules::kModeName);
    setWindowTitle(QStringLiteral("取引先マスタ"));

    auto* notice = new QLabel(
        QStringLiteral("自社の営業所等のコードは最前列か最後尾にまとめて下さい。"), this);
    QFont bold = notice->font();
    bold.setBold(true);
    notice->setFont(bold);

    QWidget* list = makeList();
    form_ = new RecordForm(*this, rules_.partners(), fieldTable());
    keys().setStepKeys(QLatin1Char('*'), QLatin1Char('/'));

    // The new-record mark the HIMAS3 hooks keep, held where the screen's controls are.
    newRecordMark_ = new QLineEdit(this);
    newRecordMark_->setObjectName(QStringLiteral("EditName"));
    newRecordMark_->setReadOnly(true);
    newRecordMark_->hide();
    subscriptions_.add(rules_.newRecordMarkChanged,
                       [this](const QString& mark) { newRecordMark_->setText(mark); });

    auto* columns = new QHBoxLayout;
    columns->addWidget(list, 1);
    columns->addWidget(form_, 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(notice);
    layout->addLayout(columns, 1);
    layout->addWidget(makeCommands());
}

// The record form in Tab order, which Enter follows too: the branch drop-down is picked
// with the mouse only, the two code lists come last.
QList<FormField> PartnerMasterScreen::fieldTable() const {
    PartnerMasterRules& rules = rules_;
    const InputMode hiragana = InputMode::Hiragana;
    const QString fdata = QStringLiteral("FDATA");
    const QString fname = QStringLiteral("FNAME");
    return {
        {.column = "KY_KBN",
         .caption = "取引区分",
         .leave = [&rules] { return rules.kindLeft(); },
         .legend = "得意先 = 1 / 傭車先 = 2 / 両方 = 0"},
        {.column = "KCODE",
         .caption = "取引先ｺｰﾄﾞ",
         .leave = [&rules] { return rules.customerCodeLeft(); }},
        {.column = "KNAME", .caption = "取引先名", .input = hiragana},
        {.column = "YCODE",
         .caption = "傭車先ｺｰﾄﾞ",
         .enter = [&rules] { rules.carrierCodeEntered(); },
         .leave = [&rules] { return rules.carrierCodeLeft(); }},
        {.column = "KANAMEI", .caption = "カナメイ", .input = InputMode::HalfKatakana},
        {.column = "TENCOD", .caption = "担当店ｺｰﾄﾞ"},
        {.column = "TENCOD",
         .list = {&rules.branches(), "TENCOD", "TENMEI"},
         .inEnterSequence = false,
         .inTabOrder = false,
         .movesLike = "TENCOD"},
        {.column = "KADD1", .caption = "住所１", .input = hiragana},
        {.column = "KZIP", .caption = "郵便番号"},
        {.column = "KADD2", .caption = "住所２", .input = hiragana},
        {.column = "KTEL", .caption = "電話番号"},
        {.column = "KFAX", .caption = "FAX番号"},
        {.column = "SIME",
         .caption = "締日",
         .leave = [&rules] { return rules.closingDayLeft(); },
         .legend = "末 => 99"},
        {.column = "SAIT", .caption = "サイト", .legend = "締日より 何日後"},
        {.column = "SIMEFLG", .caption = "ｻｲﾄﾌﾗｸﾞ", .enter = [&rules] { rules.siteFlagEntered(); }},
        {.column = "BANK", .caption = "銀行名", .input = hiragana},
        {.column = "SITEN", .caption = "支店名", .input = hiragana},
        {.column = "YKBUN", .caption = "預金種別"},
        {.column = "KOZA", .caption = "口座番号"},
        {.column = "URIZAN", .caption = "売上残高", .heading = "前年実績"},
        {.column = "SIRZAN", .caption = "仕入残高", .heading = "前年実績"},
        {.column = "SIMEFLG", .list = {&rules.siteFlags(), fdata, fname}},
        {.column = "YKBUN", .list = {&rules.depositKinds(), fdata, fname}},
    };
}

QWidget* PartnerMasterScreen::makeList() {
    auto* box = new QWidget(this);
    filter_ = new QComboBox(box);
    filter_->setObjectName(QStringLiteral("ComboBox1"));
    filter_->addItems(
        {QStringLiteral("指定なし"), QStringLiteral("得意先"), QStringLiteral("傭車先")});
    connect(filter_, &QComboBox::currentIndexChanged, this, [this](int item) {
        const auto filter = static_cast<PartnerMasterRules::ListFilter>(item);
        if (runCommand([&] { return rules_.setListFilter(filter); })) return;
        const QSignalBlocker keep(filter_);
        filter_->setCurrentIndex(rules_.listFilter());
    });

    list_ = new DatasetGrid(rules_.list(),
                            {{QStringLiteral("KCODE"), QStringLiteral("KCODE")},
                             {QStringLiteral("KNAME"), QStringLiteral("KNAME")},
                             {QStringLiteral("YCODE"), QStringLiteral("YCODE")}},
                            messages(), box);
    list_->setObjectName(QStringLiteral("DBGrid1"));
    fitListToColumnWidths(*list_);
    // The form follows the list where the mouse picks a partner.
    connect(list_, &QAbstractItemView::clicked, this,
            [this] { runCommand([this] { return rules_.listRowPicked(); }); });

    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(filter_);
    layout->addWidget(list_, 1);
    return box;
}

QWidget* PartnerMasterScreen::makeCommands() {
    auto* box = new QWidget(this);
    bar_ = new RecordBar(rules_.partners(), messages(), QStringLiteral("DBNavigator1"), box);
    bar_->setVisibleButtons(
        {RecordBar::Insert, RecordBar::Delete, RecordBar::Post, RecordBar::Cancel});
    const auto tidy = [this](void (PartnerMasterRules::*step)()) {
        CommandBoundary::run(messages(), [this, step] { (rules_.*step)(); });
    };
    connect(bar_, &RecordBar::focusEntered, this,
            [tidy] { tidy(&PartnerMasterRules::recordBarEntered); });
    connect(bar_, &RecordBar::focusLeft, this,
            [tidy] { tidy(&PartnerMasterRules::recordBarLeft); });
    // A command run by its accelerator key never takes the cursor into the bar: the
    // codes are tidied before its post and the list refreshed after it all the same.
    bar_->setBeforePost([this] { return rules_.beforePost(); });
    connect(bar_, &RecordBar::executed, this, [this, tidy](RecordBar::Button button) {
        if (!bar_->isAncestorOf(QApplication::focusWidget()))
            tidy(&PartnerMasterRules::recordBarLeft);
        // A new partner is typed at once, starting with its kind.
        if (button == RecordBar::Insert) form_->box("KY_KBN")->setFocus(Qt::OtherFocusReason);
    });

    auto* close = new QPushButton(QStringLiteral("&Q 閉じる"), box);
    close->setObjectName(QStringLiteral("btnClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    auto* layout = new QHBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(bar_);
    layout->addStretch(1);
    layout->addWidget(close);
    return box;
}

}  // namespace vantir
