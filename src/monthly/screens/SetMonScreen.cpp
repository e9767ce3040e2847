#include "monthly/screens/SetMonScreen.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ui/FieldHooks.h"
#include "platform/ui/InputMode.h"
#include "platform/ui/KeyHandler.h"

namespace vantir {

namespace {

QLineEdit* lineEdit(QWidget* parent, const char* name, int maxLength) {
    auto* edit = new QLineEdit(parent);
    edit->setObjectName(QString::fromLatin1(name));
    edit->setMaxLength(maxLength);
    applyInputMode(*edit, InputMode::Direct);
    return edit;
}

QPushButton* button(QWidget* parent, const char* name, const QString& caption) {
    auto* b = new QPushButton(caption, parent);
    b->setObjectName(QString::fromLatin1(name));
    return b;
}

}  // namespace

SetMonScreen::SetMonScreen(DataModule1& dm1, DataModule2& dm2, const AppState& state,
                           Messages& messages, QWidget* parent)
    : Screen(messages, parent),
      rules_(makeRules<SetMonRules>(dm1, dm2, state,
                                    [this](const QString& line) { showProgress(line); })) {
    setObjectName(QStringLiteral("SetMon"));
    setWindowTitle(QStringLiteral("月次集計"));
    auto* heading = new QLabel(QStringLiteral("月次集計"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    sime_ = lineEdit(this, "EditSime", 2);
    month_ = lineEdit(this, "EditMonth", 5);
    auto* runButton = button(this, "btnSet", QStringLiteral("&S 実行"));
    auto* close = button(this, "btnClose", QStringLiteral("&Q 閉じる"));
    close->setFocusPolicy(Qt::ClickFocus);  // skipped by Tab
    auto* purchases = button(this, "btnSirMoto", QStringLiteral("btnSirMoto"));
    progress_ = new QLabel(this);
    progress_->setObjectName(QStringLiteral("LabelMsg"));
    progress_->setStyleSheet(QStringLiteral("font-weight: bold; color: blue;"));

    auto* fields = new QGridLayout;
    fields->addWidget(heading, 0, 0, 1, 2);
    fields->addWidget(new QLabel(QStringLiteral("締日"), this), 1, 0);
    fields->addWidget(sime_, 1, 1);
    fields->addWidget(new QLabel(QStringLiteral("月度"), this), 2, 0);
    fields->addWidget(month_, 2, 1);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(runButton);
    buttons->addWidget(close);
    buttons->addWidget(purchases);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(progress_);
    layout->addLayout(buttons);

    FieldHooks::on(*sime_, messages).setLeaveHook([this] {
        return rules_.closingDayLeft(sime_->text(), month_->text());
    });
    FieldHooks::on(*month_, messages).setLeaveHook([this] {
        return rules_.monthLeft(sime_->text(), month_->text());
    });
    connect(runButton, &QPushButton::clicked, this, [this] {
        Result outcome;
        runCommand([&] {
            outcome = rules_.run(sime_->text(), month_->text());
            return outcome.ok ? Result::success() : outcome;
        });
        showOutcome(outcome);
    });
    connect(purchases, &QPushButton::clicked, this, [this] {
        Result outcome;
        runCommand([&] {
            outcome = rules_.rebuildPurchases();
            return outcome.ok ? Result::success() : outcome;
        });
        showOutcome(outcome);
    });
    connect(close, &QPushButton::clicked, this, &QWidget::close);

    // Enter or Page Down goes on from 締日 to 月度 and on to the run button, Page Up back.
    keys().setSequence({sime_, month_, runButton});
    keys().setPageKeys(true);
    setFirstField(sime_);

    const SetMonRules::Fields opening = rules_.opening();
    sime_->setText(opening.closingDay);
    month_->setText(opening.month);
}

void SetMonScreen::showProgress(const QString& line) {
    progress_->setText(line);
    // The run holds the event loop: the line is painted now, not when it ends.
    progress_->repaint();
}

void SetMonScreen::showOutcome(const Result& result) {
    // A run that went through with something to say (an archive in the working copy).
    if (result.ok && !result.message.isEmpty())
        runCommand([&] { return Result::notice(result.message); });
}

}  // namespace vantir
