#include "monthly/screens/MonthlyPrintScreen.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ui/InputMode.h"
#include "platform/ui/KeyHandler.h"

namespace vantir {

MonthlyPrintScreen::MonthlyPrintScreen(const QString& reportName, const PrintoutRegistry& registry,
                                       PrintSources sources, Messages& messages, QWidget* parent)
    : Screen(messages, parent),
      rules_(makeRules<MonthlyPrintRules>(reportName, registry, sources)),
      buttons_(*this, [this] {
          return rules_.layOut(rules_.selection(sime_->text(), month_->text(), from_->text(),
                                                to_->text(), choice_->text()));
      }) {
    const MonthlyReportShape& shape = rules_.shape();
    setObjectName(QStringLiteral("MonthlyPrint"));
    setWindowTitle(QStringLiteral("月次印刷範囲設定"));

    sime_ = makeBox("EditSime", 2);
    month_ = makeBox("EditMonth", 5);
    from_ = makeBox("Edit1", 6);
    to_ = makeBox("Edit2", 6);
    choice_ = makeBox("EditChoice", 1);
    const MonthlyOpeningFields opening = rules_.opening();
    sime_->setText(opening.closingDay);
    month_->setText(opening.month);
    from_->setText(shape.from);
    to_->setText(shape.to);
    choice_->setText(shape.choice);

    auto* rangeLabel = new QLabel(shape.rangeLabel, this);
    rangeLabel->setObjectName(QStringLiteral("LabelRange"));
    auto* choiceLabel = new QLabel(shape.choiceLabel, this);
    choiceLabel->setObjectName(QStringLiteral("LabelChoice"));
    auto* hint = new QLabel(shape.choiceHint, this);
    hint->setObjectName(QStringLiteral("LabelHint"));

    auto* fields = new QGridLayout;
    fields->addWidget(new QLabel(QStringLiteral("締日"), this), 0, 0);
    fields->addWidget(sime_, 0, 1);
    fields->addWidget(new QLabel(QStringLiteral("月度"), this), 1, 0);
    fields->addWidget(month_, 1, 1);
    auto* range = new QHBoxLayout;
    range->addWidget(from_);
    range->addWidget(new QLabel(QStringLiteral("～"), this));
    range->addWidget(to_);
    range->addStretch(1);
    fields->addWidget(rangeLabel, 2, 0);
    fields->addLayout(range, 2, 1);
    auto* third = new QHBoxLayout;
    third->addWidget(choice_);
    third->addWidget(hint);
    third->addStretch(1);
    fields->addWidget(choiceLabel, 3, 0);
    fields->addLayout(third, 3, 1);
    for (QWidget* row : {static_cast<QWidget*>(choiceLabel), static_cast<QWidget*>(choice_),
                         static_cast<QWidget*>(hint)})
        row->setVisible(shape.hasChoice());

    QHBoxLayout* buttons =
        buttons_.makeButtons(QStringLiteral("&P 印刷"), QStringLiteral("&Q 閉じる"));
    buttons_.closeButton()->setFocusPolicy(Qt::ClickFocus);  // skipped by Tab
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    // The third row, where it shows, is walked between the range and the print button.
    QList<QWidget*> sequence{sime_, month_, from_, to_};
    if (shape.hasChoice()) sequence << choice_;
    sequence << buttons_.printButton();
    keys().setSequence(sequence);
    keys().setPageKeys(true);
    setFirstField(sime_);
}

QLineEdit* MonthlyPrintScreen::makeBox(const char* name, int length) {
    auto* box = new QLineEdit(this);
    box->setObjectName(QString::fromLatin1(name));
    box->setMaxLength(length);
    applyInputMode(*box, InputMode::Direct);
    return box;
}

}  // namespace vantir
