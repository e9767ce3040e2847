#include "maintenance/screens/PasswordDialog.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "maintenance/rules/Initialization.h"
#include "platform/system/Messages.h"

namespace vantir {

PasswordDialog::PasswordDialog(QWidget* guarded, Messages& messages, QWidget* parent)
    : QDialog(parent), guarded_(guarded), messages_(messages) {
    setObjectName(QStringLiteral("PasswordDlg"));
    setWindowTitle(QStringLiteral("パスワードダイアログ"));
    password_ = new QLineEdit(this);
    password_->setObjectName(QStringLiteral("Password"));
    password_->setEchoMode(QLineEdit::Password);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("パスワードの入力 :"), this));
    row->addWidget(password_);

    auto* ok = new QPushButton(QStringLiteral("OK"), this);
    ok->setObjectName(QStringLiteral("OKBtn"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &PasswordDialog::confirm);
    auto* cancel = new QPushButton(QStringLiteral("キャンセル"), this);
    cancel->setObjectName(QStringLiteral("CancelBtn"));
    connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
    auto* buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(ok);
    buttons->addWidget(cancel);
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(row);
    layout->addLayout(buttons);
}

void PasswordDialog::confirm() {
    const bool accepted = Initialization::passwordAccepted(password_->text());
    password_->clear();
    if (accepted) {
        if (guarded_) {
            guarded_->show();
            guarded_->raise();
            guarded_->activateWindow();
        }
        accept();
        return;
    }
    reject();
    messages_.notice(QStringLiteral("パスワードが違います。"));
}

}  // namespace vantir
