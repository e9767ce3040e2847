#include "slips/screens/PartnerSearchDialog.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/dataset/QueryDataset.h"
#include "platform/ui/InputMode.h"

namespace vantir {

namespace {

// How each search kind is typed: names with kana-kanji input, readings as the master
// stores them in half-width katakana, telephone numbers directly.
InputMode inputModeOf(SearchKind kind) {
    switch (kind) {
        case SearchKind::Kana:
            return InputMode::HalfKatakana;
        case SearchKind::Telephone:
            return InputMode::Direct;
        case SearchKind::Name:
        case SearchKind::Blank:
            break;
    }
    return InputMode::Hiragana;
}

QComboBox* makeBox(const QString& name, const QStringList& items, QWidget* parent) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    box->addItems(items);
    return box;
}

QPushButton* makeButton(const QString& name, const QString& caption, QWidget* parent) {
    auto* button = new QPushButton(caption, parent);
    button->setObjectName(name);
    button->setAutoDefault(false);
    return button;
}

}  // namespace

PartnerSearchDialog::PartnerSearchDialog(const PartnerSearchDescription& description,
                                         DataModule1& data, const AppState& state,
                                         const HandBacks& handBacks, Messages& messages,
                                         QWidget* parent)
    : SearchDialog(messages, parent), rules_(description, data, state, handBacks) {
    setObjectName(description.name);
    setWindowTitle(description.caption);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(makeConditions());
    addList(*layout, rules_.query(),
            {{description.codeColumn, description.codeTitle},
             {QStringLiteral("KNAME"), QStringLiteral("取引先コード")},
             {QStringLiteral("KADD1"), QStringLiteral("住所")},
             {QStringLiteral("KTEL"), QStringLiteral("電話番号")}});
    showBoxes();
    applyInputMode(*search_, inputModeOf(rules_.boxes().kind));
}

QWidget* PartnerSearchDialog::makeConditions() {
    auto* conditions = new QWidget(this);
    auto* label = new QLabel(QStringLiteral("検索条件"), conditions);
    search_ = new QLineEdit(conditions);
    search_->setObjectName(QStringLiteral("EditSearch"));
    label->setBuddy(search_);
    kind_ = makeBox(QStringLiteral("ComboKind"),
                    {QStringLiteral("社名漢字検索"), QStringLiteral("フリガナ検索"),
                     QStringLiteral("電話番号検索")},
                    conditions);
    sortKey_ = makeBox(QStringLiteral("ComboSort"), rules_.description().sortKeys, conditions);
    direction_ = makeBox(QStringLiteral("ComboOrder"),
                         {QStringLiteral("正順"), QStringLiteral("逆順")}, conditions);
    QPushButton* execute =
        makeButton(QStringLiteral("btnExecute"), QStringLiteral("実行"), conditions);
    QPushButton* reset =
        makeButton(QStringLiteral("btnReset"), QStringLiteral("初期化"), conditions);

    // Only the user's choices count as changes; the boxes set from the rules do not.
    connect(kind_, &QComboBox::activated, this, &PartnerSearchDialog::kindChosen);
    connect(sortKey_, &QComboBox::activated, this, [this](int item) {
        rules_.setSortKey(static_cast<SortKey>(item));
        showBoxes();
    });
    connect(direction_, &QComboBox::activated, this,
            [this](int item) { rules_.setDirection(static_cast<SortDirection>(item)); });
    connect(execute, &QPushButton::clicked, this, &PartnerSearchDialog::execute);
    connect(reset, &QPushButton::clicked, this, &PartnerSearchDialog::reset);

    auto* grid = new QGridLayout(conditions);
    grid->setContentsMargins(0, 0, 0, 0);
    grid->addWidget(label, 0, 0);
    grid->addWidget(search_, 0, 1);
    grid->addWidget(kind_, 0, 2);
    grid->addWidget(execute, 0, 3);
    grid->addWidget(sortKey_, 1, 1);
    grid->addWidget(direction_, 1, 2);
    grid->addWidget(reset, 1, 3);
    grid->setColumnStretch(1, 1);
    return conditions;
}

void PartnerSearchDialog::kindChosen(int item) {
    const auto kind = static_cast<SearchKind>(item);
    rules_.setKind(kind);
    search_->clear();
    applyInputMode(*search_, inputModeOf(kind));
    search_->setFocus(Qt::OtherFocusReason);
}

void PartnerSearchDialog::execute() {
    // A reading typed in full-width kana is searched as the master stores it.
    finishInput(*search_);
    runCommand([this] { rules_.execute(search_->text()); });
}

void PartnerSearchDialog::reset() {
    runCommand([this] { rules_.reset(); });
    search_->clear();
    showBoxes();
}

void PartnerSearchDialog::showBoxes() {
    const PartnerSearchBoxes& boxes = rules_.boxes();
    kind_->setCurrentIndex(static_cast<int>(boxes.kind));
    sortKey_->setCurrentIndex(static_cast<int>(boxes.sortKey));
    direction_->setCurrentIndex(static_cast<int>(boxes.direction));
}

}  // namespace vantir
