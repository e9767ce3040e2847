#include "slips/screens/PrintRangeScreen.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/system/Clock.h"
#include "platform/ui/JapaneseLocale.h"
#include "platform/ui/KeyHandler.h"

namespace vantir {

PrintRangeScreen::PrintRangeScreen(const QString& reportName, const AppState& state,
                                   const PrintoutRegistry& registry, PrintSources sources,
                                   Messages& messages, QWidget* parent)
    : Screen(messages, parent),
      range_(makeRules<PrintRange>(reportName, state, registry, sources)),
      buttons_(*this, [this] { return range_.layOut(date_->date(), kind_->currentText()); }) {
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

    QHBoxLayout* buttons = buttons_.makeButtons(QStringLiteral("印刷"), QStringLiteral("閉じる"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    keys().setSequence({date_, kind_, buttons_.printButton(), buttons_.closeButton()});
    keys().setStepKeys(QLatin1Char('+'), QLatin1Char('-'));
    setFirstField(date_);
}

}  // namespace vantir
