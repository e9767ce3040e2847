#include "masters/screens/PartnerMasterScreen.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "masters/screens/FieldForm.h"
#include "masters/screens/ListWidths.h"
#include "platform/dataset/QueryDataset.h"
#include "platform/dataset/TableDataset.h"
#include "platform/ui/BoundLineEdit.h"
#include "platform/ui/DatasetGrid.h"
#include "platform/ui/FieldHooks.h"
#include "platform/ui/KeyHandler.h"
#include "platform/ui/LookupComboBox.h"
#include "platform/ui/RecordBar.h"

namespace vantir {

namespace {

Leave leaveIf(bool go) { return go ? Leave::Go : Leave::Stay; }

}  // namespace

PartnerMasterScreen::PartnerMasterScreen(DataModule1& data, HookTargets& targets,
                                         Messages& messages, QWidget* parent)
    : Screen(messages, parent), rules_(data, targets, messages), body_(new QWidget(this)) {
    setObjectName(PartnerMasterRules::kModeName);
    setWindowTitle(QStringLiteral("取引先マスタ"));
    rules_.open();

    auto* notice = new QLabel(
        QStringLiteral("自社の営業所等のコードは最前列か最後尾にまとめて下さい。"), body_);
    QFont bold = notice->font();
    bold.setBold(true);
    notice->setFont(bold);

    auto* columns = new QHBoxLayout;
    columns->addWidget(makeList(), 1);
    columns->addWidget(makeForm(), 0, Qt::AlignTop);
    auto* layout = new QVBoxLayout(body_);
    layout->addWidget(notice);
    layout->addLayout(columns, 1);
    layout->addWidget(makeCommands());
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(body_);

    hookFields();
    connect(this, &Screen::closed, this, [this] { rules_.close(); });
}

PartnerMasterScreen::~PartnerMasterScreen() {
    delete body_;
    rules_.close();
}

QWidget* PartnerMasterScreen::makeList() {
    auto* box = new QWidget(body_);
    filter_ = new QComboBox(box);
    filter_->setObjectName(QStringLiteral("ComboBox1"));
    filter_->addItems(
        {QStringLiteral("指定なし"), QStringLiteral("得意先"), QStringLiteral("傭車先")});
    connect(filter_, &QComboBox::currentIndexChanged, this, [this](int item) {
        if (rules_.setListFilter(static_cast<PartnerMasterRules::ListFilter>(item))) return;
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
    connect(list_, &QAbstractItemView::clicked, this, [this] { rules_.listRowPicked(); });

    auto* layout = new QVBoxLayout(box);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(filter_);
    layout->addWidget(list_, 1);
    return box;
}

FieldForm* PartnerMasterScreen::makeForm() {
    TableDataset& partners = rules_.partners();
    auto* form = new FieldForm(partners, messages(), body_);
    const auto lookup = [&](const QString& column, Dataset& list, const QString& code,
                            const QString& name) {
        auto* box = new LookupComboBox(partners, column, list, code, name, messages(), form);
        box->setObjectName(QStringLiteral("Combo") + column);
        return box;
    };
    const QString fdata = QStringLiteral("FDATA");
    const QString fname = QStringLiteral("FNAME");
    auto* branch = lookup(QStringLiteral("TENCOD"), rules_.branches(), QStringLiteral("TENCOD"),
                          QStringLiteral("TENMEI"));
    branch->setFocusPolicy(Qt::ClickFocus);  // picked with the mouse, passed over by Tab
    auto* siteFlags = lookup(QStringLiteral("SIMEFLG"), rules_.siteFlags(), fdata, fname);
    auto* depositKinds = lookup(QStringLiteral("YKBUN"), rules_.depositKinds(), fdata, fname);

    const InputMode direct = InputMode::Direct;
    const InputMode hiragana = InputMode::Hiragana;
    fields_ = {
        form->addField("KY_KBN", "取引区分", direct,
                       QStringLiteral("得意先 = 1 / 傭車先 = 2 / 両方 = 0")),
        form->addField("KCODE", "取引先ｺｰﾄﾞ", direct),
        form->addField("KNAME", "取引先名", hiragana),
        form->addField("YCODE", "傭車先ｺｰﾄﾞ", direct),
        form->addField("KANAMEI", "カナメイ", InputMode::HalfKatakana),
        form->addField("TENCOD", "担当店ｺｰﾄﾞ", direct, branch),
        form->addField("KADD1", "住所１", hiragana),
        form->addField("KZIP", "郵便番号", direct),
        form->addField("KADD2", "住所２", hiragana),
        form->addField("KTEL", "電話番号", direct),
        form->addField("KFAX", "FAX番号", direct),
        form->addField("SIME", "締日", direct, QStringLiteral("末 => 99")),
        form->addField("SAIT", "サイト", direct, QStringLiteral("締日より 何日後")),
        form->addField("SIMEFLG", "ｻｲﾄﾌﾗｸﾞ", direct, siteFlags),
        form->addField("BANK", "銀行名", hiragana),
        form->addField("SITEN", "支店名", hiragana),
        form->addField("YKBUN", "預金種別", direct, depositKinds),
        form->addField("KOZA", "口座番号", direct),
    };
    form->addHeading(QStringLiteral("前年実績"));
    fields_ << form->addField("URIZAN", "売上残高", direct)
            << form->addField("SIRZAN", "仕入残高", direct) << siteFlags << depositKinds;

    // The new-record mark the HIMAS3 hooks keep, held where the screen's controls are.
    newRecordMark_ = new QLineEdit(form);
    newRecordMark_->setObjectName(QStringLiteral("EditName"));
    newRecordMark_->setReadOnly(true);
    newRecordMark_->hide();
    subscriptions_.add(rules_.newRecordMarkChanged,
                       [this](const QString& mark) { newRecordMark_->setText(mark); });
    return form;
}

QWidget* PartnerMasterScreen::makeCommands() {
    auto* box = new QWidget(body_);
    bar_ = new RecordBar(rules_.partners(), messages(), QStringLiteral("DBNavigator1"), box);
    bar_->setVisibleButtons(
        {RecordBar::Insert, RecordBar::Delete, RecordBar::Post, RecordBar::Cancel});
    connect(bar_, &RecordBar::focusEntered, this, [this] { rules_.recordBarEntered(); });
    connect(bar_, &RecordBar::focusLeft, this, [this] { rules_.recordBarLeft(); });
    // A command run by its accelerator key never takes the cursor into the bar: the
    // codes are tidied before its post and the list refreshed after it all the same.
    bar_->setBeforePost([this] { return rules_.beforePost(); });
    connect(bar_, &RecordBar::executed, this, [this](RecordBar::Button button) {
        if (!bar_->isAncestorOf(QApplication::focusWidget())) rules_.recordBarLeft();
        // A new partner is typed at once, starting with its kind.
        if (button == RecordBar::Insert) fields_.first()->setFocus(Qt::OtherFocusReason);
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

void PartnerMasterScreen::hookFields() {
    const auto hooks = [this](const char* column) -> FieldHooks& {
        return body_->findChild<BoundLineEdit*>(QStringLiteral("Edit") + QLatin1String(column))
            ->hooks();
    };
    hooks("KY_KBN").setLeaveHook([this] { return leaveIf(rules_.kindLeft()); });
    hooks("KCODE").setLeaveHook([this] { return leaveIf(rules_.customerCodeLeft()); });
    hooks("YCODE").setEnterHook([this] { rules_.carrierCodeEntered(); });
    hooks("YCODE").setLeaveHook([this] { return leaveIf(rules_.carrierCodeLeft()); });
    hooks("SIMEFLG").setEnterHook([this] { rules_.siteFlagEntered(); });

    for (int i = 1; i < fields_.size(); ++i) setTabOrder(fields_.at(i - 1), fields_.at(i));
    keys().setSequence(fields_);
    keys().setStepKeys(QLatin1Char('*'), QLatin1Char('/'));
}

}  // namespace vantir
