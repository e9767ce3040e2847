#pragma once

#include <QDialog>
#include <QPointer>

class QLineEdit;

namespace vantir {

class Messages;

// The password dialog "パスワードダイアログ" in front of a screen: "OK" with the right
// password shows the screen, otherwise "パスワードが違います。"; either way, and on
// "キャンセル", the dialog closes. A second attempt needs the menu command again.
class PasswordDialog : public QDialog {
    Q_OBJECT

  public:
    PasswordDialog(QWidget* guarded, Messages& messages, QWidget* parent = nullptr);

  private:
    void confirm();

    QPointer<QWidget> guarded_;
    Messages& messages_;
    QLineEdit* password_ = nullptr;
};

}  // namespace vantir
