#include "slips/screens/SlipEntryScreen.h"

#include <QApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "platform/dataset/TableDataset.h"
#include "platform/ui/BoundLineEdit.h"
#include "platform/ui/FieldHooks.h"
#include "platform/ui/InputMode.h"
#include "platform/ui/KeyHandler.h"
#include "platform/ui/RecordForm.h"
#include "slips/screens/SlipFieldTable.h"

namespace vantir {

SlipEntryScreen::SlipEntryScreen(DataModule1& data, HookTargets& targets, HandBacks& handBacks,
                                 const AppState& state, SearchDialogs searches, Messages& messages,
                                 QWidget* parent)
    : Screen(messages, parent),
      rules_(makeRules<SlipEntryRules>(data, targets, state, messages)),
      searches_(std::move(searches)),
      offers_(handBacks, SlipEntryRules::kModeName),
      commands_(*this, rules_.slip(), searches_, [this] { appendSlip(); }) {
    setObjectName(SlipEntryRules::kModeName);
    setWindowTitle(QStringLiteral("配車票入力"));

    QWidget* setDateBar = makeSetDateBar();
    form_ = new RecordForm(*this, rules_.slips(),
                           slipFieldTable(rules_.slip(), rules_.billingKinds(), rules_.staff()));
    commands_.attachForm(*form_, offers_);
    wireSetDateBoxes();

    commands_.layOutScreen(setDateBar, true, rules_.slipEditingChanged);
    setFirstField(year_);
}

QWidget* SlipEntryScreen::makeSetDateBar() {
    auto* bar = new QWidget(this);
    auto* line = new QHBoxLayout(bar);
    line->setContentsMargins(0, 0, 0, 0);
    const SetDateBoxes& opening = rules_.openingBoxes();
    const auto addBox = [&](const QString& name, const QString& text, const QString& unit) {
        auto* box = new QLineEdit(text, bar);
        box->setObjectName(name);
        applyInputMode(*box, InputMode::Direct);
        box->setFixedWidth(box->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 5);
        line->addWidget(box);
        line->addWidget(new QLabel(unit, bar));
        return box;
    };
    auto* caption = new QLabel(QStringLiteral("&S 設定日付"), bar);
    line->addWidget(caption);
    year_ = addBox(QStringLiteral("EditH1"), opening.year, QStringLiteral("年"));
    month_ = addBox(QStringLiteral("EditH2"), opening.month, QStringLiteral("月"));
    day_ = addBox(QStringLiteral("EditH3"), opening.day, QStringLiteral("日"));
    caption->setBuddy(year_);
    line->addSpacing(24);
    QPushButton* search = SlipCommands::commandButton(QStringLiteral("&F 配車票検索"),
                                                      QStringLiteral("btnSearch"), bar);
    connect(search, &QPushButton::clicked, this, [this] { openSlipSearch(); });
    line->addWidget(search);
    line->addStretch(1);
    return bar;
}

// The set-date boxes stand before the slip in the Enter sequence and the Tab order.
void SlipEntryScreen::wireSetDateBoxes() {
    QList<QWidget*> sequence{year_, month_, day_};
    sequence << form_->enterSequence();
    keys().setSequence(sequence);
    keys().setPageKeys(true);
    keys().setEnterSwallowed(true);
    setTabOrder(year_, month_);
    setTabOrder(month_, day_);
    setTabOrder(day_, form_->box(QStringLiteral("HYMD")));

    FieldHooks::on(*year_, messages()).setLeaveHook([this] {
        return setDateLeft(*year_, rules_.yearLeft(year_->text()));
    });
    FieldHooks::on(*month_, messages()).setLeaveHook([this] {
        return setDateLeft(*month_, rules_.monthLeft(month_->text()));
    });
    FieldHooks::on(*day_, messages()).setLeaveHook([this] {
        const SetDateBoxes boxes{year_->text(), month_->text(), day_->text()};
        return setDateLeft(*day_, rules_.dayLeft(boxes));
    });
}

Leave SlipEntryScreen::setDateLeft(QLineEdit& box, const SetDateResult& result) {
    box.setText(result.boxText);
    switch (result.action) {
        case SetDateResult::Action::StayInBox:
            return Leave::Stay;
        case SetDateResult::Action::NewSetDate:
            form_->box(QStringLiteral("HYMD"))->setFocus(Qt::OtherFocusReason);
            return Leave::Go;
        case SetDateResult::Action::None:
            break;
    }
    return Leave::Go;
}

bool SlipEntryScreen::eventFilter(QObject* watched, QEvent* event) {
    commands_.watchName(watched, event);
    return Screen::eventFilter(watched, event);
}

void SlipEntryScreen::openSlipSearch() {
    runCommand([this] {
        searches_.open(SlipEntryRules::kSlipSearch, [this] { rules_.prepareSlipSearch(); });
    });
}

// The new slip starts at its dispatch date, whose default fills in the set date.
void SlipEntryScreen::appendSlip() {
    if (!runCommand([this] { rules_.slip().appendSlip(); })) return;
    BoundLineEdit* date = form_->box(QStringLiteral("HYMD"));
    if (QApplication::focusWidget() == date) {
        runCommand([this] { return rules_.slip().dateEntered(QStringLiteral("HYMD")); });
    } else {
        date->setFocus(Qt::OtherFocusReason);
    }
}

Result SlipEntryScreen::closeRefusal() { return rules_.slip().closeRefusal(); }

}  // namespace vantir
