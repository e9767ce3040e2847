#include "masters/screens/AddressPrintScreen.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QLineEdit>
#include <QVBoxLayout>

#include "platform/ui/InputMode.h"
#include "platform/ui/KeyHandler.h"

namespace vantir {

namespace {

QLineEdit* codeBox(const QString& name, const QString& preset, QWidget* parent) {
    auto* box = new QLineEdit(preset, parent);
    box->setObjectName(name);
    box->setMaxLength(6);
    applyInputMode(*box, InputMode::Direct);
    return box;
}

}  // namespace

AddressPrintScreen::AddressPrintScreen(const QString& mode, const AppState& state,
                                       const PrintoutRegistry& registry, PrintSources sources,
                                       Messages& messages, QWidget* parent)
    : Screen(messages, parent),
      print_(makeRules<AddressPrint>(mode, state, registry, sources)),
      buttons_(*this, [this] { return print_.layOut(from_->text(), to_->text()); }) {
    setObjectName(mode);
    setWindowTitle(QStringLiteral("住所録印刷"));

    auto* heading = new QLabel(QStringLiteral("住所録印刷"), this);
    heading->setObjectName(QStringLiteral("Label1"));
    from_ = codeBox(QStringLiteral("EditFrom"), AddressPrint::kFromPreset, this);
    to_ = codeBox(QStringLiteral("EditTo"), AddressPrint::kToPreset, this);
    auto* codes = new QHBoxLayout;
    codes->addWidget(new QLabel(QStringLiteral("取引先ｺｰﾄﾞ"), this));
    codes->addWidget(from_);
    codes->addWidget(new QLabel(QStringLiteral("～"), this));
    codes->addWidget(to_);

    QHBoxLayout* buttons =
        buttons_.makeButtons(QStringLiteral("&P 印刷"), QStringLiteral("&Q 閉じる"));

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(heading);
    layout->addLayout(codes);
    layout->addLayout(buttons);

    keys().setSequence({from_, to_, buttons_.printButton(), buttons_.closeButton()});
    keys().setStepKeys(QLatin1Char('+'), QLatin1Char('-'));
    setFirstField(from_);
}

}  // namespace vantir
