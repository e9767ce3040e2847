#include "slips/screens/SlipCorrectionScreen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

#include "platform/dataset/TableDataset.h"
#include "platform/ui/BoundLineEdit.h"
#include "platform/ui/FieldHooks.h"
#include "platform/ui/InputMode.h"
#include "platform/ui/KeyHandler.h"
#include "platform/ui/RecordForm.h"
#include "slips/screens/SlipFieldTable.h"

namespace vantir {

namespace {

const QString kDispatchDate = QStringLiteral("HYMD");

}  // namespace

SlipCorrectionScreen::SlipCorrectionScreen(const SlipFormDescription& description,
                                           DataModule1& data, HookTargets& targets,
                                           HandBacks& handBacks, SearchDialogs searches,
                                           Messages& messages, QWidget* parent)
    : Screen(messages, parent),
      rules_(makeRules<SlipCorrectionRules>(description, data, targets, messages)),
      searches_(std::move(searches)),
      offers_(handBacks, SlipCorrectionRules::kModeName),
      commands_(*this, rules_.slip(), searches_, [this] { appendSlip(); }) {
    setObjectName(description.numberLoadsSlip ? SlipCorrectionRules::kModeName : kInquiryName);
    setWindowTitle(QStringLiteral("配車票訂正"));

    QWidget* numberBar = makeNumberBar();
    form_ = new RecordForm(*this, rules_.slips(),
                           slipFieldTable(rules_.slip(), rules_.billingKinds(), rules_.staff()));
    commands_.attachForm(*form_, offers_);
    wireNumberBox();

    commands_.layOutScreen(numberBar, false, rules_.slipEditingChanged);
    // The inquiry opens on the list's slip, the correction waits for a number.
    setFirstField(description.numberLoadsSlip ? number_ : form_->box(kDispatchDate));
}

QWidget* SlipCorrectionScreen::makeNumberBar() {
    auto* bar = new QWidget(this);
    auto* line = new QHBoxLayout(bar);
    line->setContentsMargins(0, 0, 0, 0);
    auto* caption = new QLabel(QStringLiteral("&S 伝票検索"), bar);
    number_ = new QLineEdit(bar);
    number_->setObjectName(kNumberBox);
    applyInputMode(*number_, InputMode::Direct);
    number_->setFixedWidth(number_->fontMetrics().horizontalAdvance(QLatin1Char('0')) * 10);
    caption->setBuddy(number_);
    line->addWidget(caption);
    line->addWidget(number_);
    line->addStretch(1);
    return bar;
}

// The number box stands before the slip in the Enter sequence and the Tab order.
void SlipCorrectionScreen::wireNumberBox() {
    QList<QWidget*> sequence{number_};
    sequence << form_->enterSequence();
    keys().setSequence(sequence);
    keys().setPageKeys(true);
    keys().setEnterSwallowed(true);
    setTabOrder(number_, form_->box(kDispatchDate));

    FieldHooks& hooks = FieldHooks::on(*number_, messages());
    hooks.setEnterHook([this] {
        // A kept change sends the cursor back to the slip it belongs to.
        if (!rules_.numberEntered()) {
            QTimer::singleShot(
                0, this, [this] { form_->box(kDispatchDate)->setFocus(Qt::OtherFocusReason); });
        }
    });
    hooks.setLeaveHook([this] {
        const Leave leave = rules_.numberLeft(number_->text());
        if (!leave.stays() && !rules_.slip().changePending()) {
            form_->box(kDispatchDate)->setFocus(Qt::OtherFocusReason);
        }
        return leave;
    });
}

bool SlipCorrectionScreen::eventFilter(QObject* watched, QEvent* event) {
    commands_.watchName(watched, event);
    return Screen::eventFilter(watched, event);
}

void SlipCorrectionScreen::showListSlip(const QString& listCode) {
    show();
    raise();
    activateWindow();
    SlipCorrectionRules::ListSlip shown;
    const bool loaded = runCommand([&] {
        shown = rules_.showListSlip(listCode);
        return shown.refusal;
    });
    if (shown.kept) return;
    number_->setText(shown.number);
    if (loaded) form_->box(kDispatchDate)->setFocus(Qt::OtherFocusReason);
}

void SlipCorrectionScreen::appendSlip() {
    if (!runCommand([this] { rules_.slip().appendSlip(); })) return;
    form_->box(kDispatchDate)->setFocus(Qt::OtherFocusReason);
}

Result SlipCorrectionScreen::closeRefusal() { return rules_.slip().closeRefusal(); }

}  // namespace vantir
