#include "slips/screens/PrintRangeScreen.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/report/ReportPreview.h"
#include "platform/system/Clock.h"
#include "platform/ui/JapaneseLocale.h"
#include "platform/ui/KeyHandler.h"

namespace vantir {

PrintRangeScreen::PrintRangeScreen(const QString& reportName, const AppState& state,
                                   const PrintoutRegistry& registry, PrintSources sources,
                                   Messages& messages, QWidget* parent)
    : Screen(messages, parent),
      range_(makeRules<PrintRange>(reportName, state, registry, sources)) {
    setObjectName(QStringLiteral("SelDate"));
    setWindowTitle(QStringLiteral("印刷範囲選択"));

    auto* heading = new QLabel(range_.heading(), this);
    heading->setObjectName(QStringLiteral("Label1"));
    date_ = new QDateEdit(Clock::today(), this);
    date_->setObjectName(QStringLiteral("EditDate"));
    date_->setDisplayFormat(QStringLiteral("yy/MM/dd"));
    date_->setCalendarPopup(true);
    JapaneseLocale::applyTo(*date_);
    kind_ = new QComboBox(this);
    kind_->setObjectName(QStringLiteral("ComboKind"));
    kind_->addItems(PrintRange::kinds());
    kind_->setCurrentIndex(0);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("日付"), date_);
    fields->addRow(QStringLiteral("日付区分"), kind_);

    auto* print = new QPushButton(QStringLiteral("印刷"), this);
    print->setObjectName(QStringLiteral("btnPrint"));
    connect(print, &QPushButton::clicked, this, [this] { runCommand([this] { this->print(); }); });
    auto* close = new QPushButton(QStringLiteral("閉じる"), this);
    close->setObjectName(QStringLiteral("btnClose"));
    connect(close, &QPushButton::clicked, this, &QWidget::close);
    auto* buttons = new QHBoxLayout;
    buttons->addWidget(print);
    buttons->addWidget(close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    keys().setSequence({date_, kind_, print, close});
    keys().setStepKeys(QLatin1Char('+'), QLatin1Char('-'));
    setFirstField(date_);
    // The preview opened for the dialog goes when the dialog is closed.
    connect(this, &Screen::closed, this, [this] {
        if (preview_) preview_->close();
    });
}

void PrintRangeScreen::print() {
    if (preview_) preview_->close();
    preview_ = new ReportPreview(range_.layOut(date_->date(), kind_->currentText()), this);
    preview_->setWindowFlag(Qt::Window);
    preview_->setAttribute(Qt::WA_DeleteOnClose);
    preview_->show();
}

}  // namespace vantir
