#include "masters/screens/GassanScreen.h"

#include <QDialog>
#include <QEvent>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/dataset/TableDataset.h"
#include "platform/ui/BoundLineEdit.h"
#include "platform/ui/DirectBox.h"
#include "platform/ui/FieldHooks.h"
#include "platform/ui/InputMode.h"
#include "platform/ui/KeyHandler.h"
#include "platform/ui/RecordBar.h"
#include "platform/ui/RecordForm.h"

namespace vantir {

namespace {

// A field of the monthly row or of the master panel, a column with its caption.
FormField field(const QString& column, const char16_t* caption) {
    return {.column = column, .caption = QString::fromUtf16(caption)};
}

}  // namespace

GassanScreen::GassanScreen(const GassanSide& side, DataModule1& data, HandBacks& handBacks,
                           QDialog* search, Messages& messages, QWidget* parent)
    : Screen(messages, parent),
      rules_(makeRules<GassanRules>(side, data)),
      search_(search),
      offers_(handBacks, side.modeName) {
    setObjectName(side.modeName);
    setWindowTitle(side.caption);

    QWidget* selection = makeSelection();
    QWidget* monthly = makeMonthly();
    QWidget* master = makeMaster();
    auto* body = new QHBoxLayout;
    body->addWidget(monthly, 1);
    body->addWidget(master);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(selection);
    layout->addLayout(body, 1);
    layout->addWidget(makeButtons());

    // One sequence over the selection, the monthly row and the master panel.
    keys().setSequence(QList<QWidget*>{code_, sime_, month_, searchButton_} +
                       monthly_->enterSequence() + master_->enterSequence());
    keys().setPageKeys(true);
    keys().setEnterSwallowed(true);
    setFirstField(code_);

    sime_->setText(rules_.presetClosingDay());
    month_->setText(GassanRules::presetMonth());
    offers_.offer(side.handBack, [this](const QString& code) { takeCode(code); });
}

QWidget* GassanScreen::makeSelection() {
    auto* bar = new QWidget(this);
    code_ = makeDirectBox(QStringLiteral("EditCode"), 6, bar);
    code_->setPlaceholderText(rules_.side().codePlaceholder);
    FieldHooks::on(*code_, messages()).setLeaveHook([this] { return codeLeft(); });
    name_ = new QLineEdit(bar);
    name_->setObjectName(QStringLiteral("EditName"));
    name_->setPlaceholderText(QStringLiteral("ダブルクリックで検索画面"));
    name_->setReadOnly(true);
    name_->setFocusPolicy(Qt::ClickFocus);
    name_->installEventFilter(this);
    sime_ = makeDirectBox(QStringLiteral("EditSime"), 2, bar);
    month_ = makeDirectBox(QStringLiteral("EditMonth"), 5, bar);
    searchButton_ = new QPushButton(QStringLiteral("&S 検索"), bar);
    searchButton_->setObjectName(QStringLiteral("btnSearch"));
    connect(searchButton_, &QPushButton::clicked, this, [this] {
        runCommand([this] { return rules_.search(code_->text(), sime_->text(), month_->text()); });
    });

    auto* layout = new QHBoxLayout(bar);
    layout->addWidget(code_);
    layout->addWidget(name_, 1);
    layout->addWidget(new QLabel(QStringLiteral("締日"), bar));
    layout->addWidget(sime_);
    layout->addWidget(new QLabel(QStringLiteral("月度"), bar));
    layout->addWidget(month_);
    layout->addWidget(searchButton_);
    return bar;
}

QWidget* GassanScreen::makeMonthly() {
    auto* box = new QWidget(this);
    TableDataset& rows = rules_.monthly();
    const GassanSide& side = rules_.side();
    monthly_ = new RecordForm(*this, rows,
                              {field(QStringLiteral("HYMD"), u"配車日"),
                               {.column = side.codeColumn, .caption = side.codeCaption},
                               {.column = QStringLiteral("KNAME"), .input = InputMode::Hiragana},
                               field(QStringLiteral("SIME"), u"締日"),
                               field(QStringLiteral("SAIT"), u"サイト"),
                               field(QStringLiteral("UKING"), u"売上金額"),
                               field(QStringLiteral("SKING"), u"仕入金額"),
                               field(QStringLiteral("UHIYO"), u"費用(売)"),
                               field(QStringLiteral("SHIYO"), u"費用(仕)"),
                               field(QStringLiteral("INKING"), u"社内売上"),
                               field(QStringLiteral("INSKING"), u"社内仕入"),
                               field(QStringLiteral("SYMD"), u"入金日"),
                               field(QStringLiteral("SHYMD"), u"支払日"),
                               field(QStringLiteral("SIMEFLG"), u"締め区分"),
                               field(QStringLiteral("NUKING"), u"入金額"),
                               field(QStringLiteral("HSKING"), u"支払金額"),
                               field(QStringLiteral("URIZAN"), u"売上残高"),
                               field(QStringLiteral("SIRZAN"), u"仕入残高"),
                               field(QStringLiteral("SHOZEI"), u"消費税額")});
    auto* edit = new RecordBar(rows, messages(), QStringLiteral("DBNavigator1"), box);
    edit->setVisibleButtons(
        {RecordBar::Insert, RecordBar::Delete, RecordBar::Post, RecordBar::Cancel});
    // A new monthly row is typed in full, from its date on.
    connect(edit, &RecordBar::executed, this, [this](RecordBar::Button button) {
        if (button == RecordBar::Insert) monthly_->box(QStringLiteral("HYMD"))->setFocus();
    });
    auto* move = new RecordBar(rows, messages(), QStringLiteral("DBNavigator2"), box);
    move->setVisibleButtons({RecordBar::First, RecordBar::Prior, RecordBar::Next, RecordBar::Last});

    auto* bars = new QHBoxLayout;
    bars->addWidget(edit);
    bars->addWidget(move);
    bars->addStretch(1);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(monthly_);
    layout->addLayout(bars);
    layout->addStretch(1);
    return box;
}

QWidget* GassanScreen::makeMaster() {
    auto* panel = new QGroupBox(QStringLiteral("取引先　累計等データ"), this);
    panel->setObjectName(QStringLiteral("GroupMaster"));
    TableDataset& partner = rules_.master();
    const auto masterField = [](const char* column, const char16_t* caption, bool hidden = false) {
        return FormField{.column = QLatin1String(column),
                         .caption = QString::fromUtf16(caption),
                         .name = QStringLiteral("EditMas") + QLatin1String(column),
                         .hidden = hidden};
    };
    master_ = new RecordForm(
        *this, partner,
        {masterField("UKING", u"売上累計"), masterField("UHIYO", u"費用(売)累計"),
         masterField("URIZAN", u"前年売上残"), masterField("SKING", u"仕入累計"),
         masterField("SHIYO", u"費用(仕)累計"), masterField("SIRZAN", u"前年仕入残"),
         masterField("INKING", u"社内売上累計"), masterField("INSKING", u"社内仕入累計"),
         masterField("NUKING", u"入金累計"), masterField("HSKING", u"支払累計"),
         FormField{.column = rules_.side().codeColumn,
                   .caption = QStringLiteral("取引先CD"),
                   .inEnterSequence = false,
                   .inTabOrder = false,
                   .name = QStringLiteral("EditMasCode"),
                   .readOnly = true},
         masterField("URISUB", u"URISUB", true), masterField("SIRSUB", u"SIRSUB", true)});
    auto* bar = new RecordBar(partner, messages(), QStringLiteral("DBNavigator3"), panel);
    bar->setVisibleButtons({RecordBar::Post, RecordBar::Cancel});
    auto* layout = new QVBoxLayout(panel);
    layout->addWidget(master_);
    layout->addWidget(bar);
    layout->addStretch(1);
    return panel;
}

QWidget* GassanScreen::makeButtons() {
    auto* box = new QWidget(this);
    // Kept where the clerks know it; it has never done anything.
    auto* update = new QPushButton(QStringLiteral("更新 →"), box);
    update->setObjectName(QStringLiteral("btnUpdate"));
    auto* close = new QPushButton(QStringLiteral("&Q 閉じる"), box);
    close->setObjectName(QStringLiteral("btnClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* layout = new QHBoxLayout(box);
    layout->addStretch(1);
    layout->addWidget(update);
    layout->addWidget(close);
    return box;
}

Leave GassanScreen::codeLeft() {
    const QString code = GassanRules::codeLeft(code_->text());
    if (code != code_->text()) code_->setText(code);
    name_->setText(code.isEmpty() ? QString() : rules_.nameOf(code));
    return Leave::Go;
}

void GassanScreen::takeCode(const QString& code) {
    code_->setText(code);
    name_->setText(rules_.nameOf(code));
    code_->setFocus(Qt::OtherFocusReason);
}

bool GassanScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == name_ && event->type() == QEvent::MouseButtonDblClick) {
        // The code handed back gets the cursor once the screen is the active window again.
        if (search_ && search_->exec() == QDialog::Accepted) {
            activateWindow();
            code_->setFocus(Qt::OtherFocusReason);
        }
        return true;
    }
    return Screen::eventFilter(watched, event);
}

}  // namespace vantir
