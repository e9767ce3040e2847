#include "cash/screens/CashPrintDialog.h"

#include <QComboBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "common/printing/PrintError.h"
#include "common/printing/PrintRunner.h"
#include "common/printing/ReportLayoutSwitches.h"
#include "platform/report/ReportError.h"
#include "platform/report/ReportPreview.h"
#include "platform/system/Clock.h"
#include "platform/ui/FieldHooks.h"
#include "platform/ui/InputMode.h"
#include "platform/ui/KeyHandler.h"

namespace vantir {

CashPrintDialog::CashPrintDialog(const CashSide& side, const PrintoutRegistry& printouts,
                                 PrintSources sources, const AppState& state, Messages& messages,
                                 QWidget* parent)
    : Screen(messages, parent),
      rules_(makeRules<CashPrintRules>(side, sources.dm1)),
      printouts_(printouts),
      sources_(sources),
      state_(state) {
    setObjectName(side.printMode);
    setWindowTitle(QStringLiteral("締日選択"));

    auto* heading = new QLabel(side.printHeading, this);
    heading->setObjectName(QStringLiteral("LabelHeading"));
    QFont bold = heading->font();
    bold.setBold(true);
    bold.setPointSizeF(bold.pointSizeF() * 1.4);
    heading->setFont(bold);

    sime_ = makeBox(QStringLiteral("EditSime"), QStringLiteral("99"), 2);
    from_ = makeBox(QStringLiteral("Edit1"), QStringLiteral("000001"), 6);
    to_ = makeBox(QStringLiteral("Edit2"), QStringLiteral("999999"), 6);
    month_ = makeBox(QStringLiteral("Edit3"), CashPrintRules::openingMonth(Clock::today()), 5);
    first_ = makePartnerList(QStringLiteral("ComboBox1"), from_);
    second_ = makePartnerList(QStringLiteral("ComboBox2"), to_);
    connect(sime_, &QLineEdit::textChanged, this, [this] { closingDayChanged(); });
    FieldHooks::on(*sime_, messages).setLeaveHook([this] {
        closingDayChanged();
        return Leave::Go;
    });

    auto* range = new QHBoxLayout;
    range->addWidget(from_);
    range->addWidget(new QLabel(QStringLiteral("～"), this));
    range->addWidget(to_);
    range->addStretch(1);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("締日"), sime_);
    fields->addRow(side.partnerTitle, first_);
    fields->addRow(QString(), second_);
    fields->addRow(QString(), range);
    fields->addRow(QStringLiteral("月度"), month_);

    auto* print = new QPushButton(QStringLiteral("&P 印刷"), this);
    print->setObjectName(QStringLiteral("btnPrint"));
    connect(print, &QPushButton::clicked, this,
            [this] { runCommand([this] { return this->print(); }); });
    auto* close = new QPushButton(QStringLiteral("&Q 閉じる"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(print);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    keys().setSequence({sime_, first_, second_, from_, to_, month_, print});
    setFirstField(sime_);
}

CashPrintDialog::~CashPrintDialog() { delete preview_; }

QLineEdit* CashPrintDialog::makeBox(const QString& name, const QString& text, int length) {
    auto* box = new QLineEdit(text, this);
    box->setObjectName(name);
    box->setMaxLength(length);
    box->setFixedWidth(box->fontMetrics().horizontalAdvance(QString(length + 2, u'0')) + 12);
    applyInputMode(*box, InputMode::Direct);
    return box;
}

QComboBox* CashPrintDialog::makePartnerList(const QString& name, QLineEdit* code) {
    auto* list = new QComboBox(this);
    list->setObjectName(name);
    list->addItem(CashPrintRules::kNoChoice);
    list->setMinimumContentsLength(20);
    connect(list, &QComboBox::activated, this, [this, code](int index) {
        if (index > 0 && index < codes_.size()) code->setText(codes_[index]);
    });
    return list;
}

void CashPrintDialog::closingDayChanged() {
    runCommand([this]() -> Result {
        const PartnerChoices choices = rules_.partnersOf(sime_->text());
        if (!choices.message.isEmpty()) return Result::notice(choices.message);
        if (!choices.replace) return Result::success();
        codes_ = choices.codes;
        for (QComboBox* list : {first_, second_}) {
            list->clear();
            list->addItems(choices.names);
            list->setCurrentIndex(choices.names.isEmpty() ? -1 : 0);
        }
        return Result::success();
    });
}

// A layout that cannot be made is told like a refusal; the dialog stays for another try.
Result CashPrintDialog::print() {
    delete preview_;
    const PrintRunner runner(printouts_, sources_);
    try {
        preview_ = runner.preview(
            chosenLayout(rules_.side().printout, state_),
            CashPrintRules::selection(sime_->text(), month_->text(), from_->text(), to_->text()));
    } catch (const PrintError& error) {
        return Result::failure(error.message());
    } catch (const ReportError& error) {
        return Result::failure(error.message());
    }
    return Result::success();
}

void CashPrintDialog::closeEvent(QCloseEvent* event) {
    delete preview_;
    Screen::closeEvent(event);
}

}  // namespace vantir
