#include "ledgers/screens/SchedulePrintScreen.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ui/InputMode.h"
#include "platform/ui/KeyHandler.h"

namespace vantir {

SchedulePrintScreen::SchedulePrintScreen(const QString& reportName, const AppState& state,
                                         const PrintoutRegistry& registry, PrintSources sources,
                                         Messages& messages, QWidget* parent)
    : Screen(messages, parent),
      print_(makeRules<SchedulePrint>(reportName, state, registry, sources)),
      buttons_(*this, [this] { return print_.layOut(month_->text()); }) {
    setObjectName(reportName);
    setWindowTitle(QStringLiteral("印刷設定"));

    auto* heading = new QLabel(QStringLiteral("印刷設定"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    QFont bold = heading->font();
    bold.setBold(true);
    heading->setFont(bold);
    month_ = new QLineEdit(SchedulePrint::openingMonth(), this);
    month_->setObjectName(QStringLiteral("EditTsuki"));
    month_->setMaxLength(5);
    applyInputMode(*month_, InputMode::Direct);
    auto* fields = new QFormLayout;
    fields->addRow(QStringLiteral("月度"), month_);

    QHBoxLayout* buttons =
        buttons_.makeButtons(QStringLiteral("&P 印刷"), QStringLiteral("&Q 閉じる"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(fields);
    layout->addLayout(buttons);

    keys().setSequence({month_, buttons_.printButton(), buttons_.closeButton()});
    keys().setEnterKeys(false);
    keys().setEnterSwallowed(true);
    setFirstField(month_);
}

}  // namespace vantir
