#pragma once

#include <QDialog>

namespace vantir {

// The About box ("バージョン情報"): the application title and the version. Made at start
// and only shown, so it leaves EditPName and the open screens alone.
class AboutBox : public QDialog {
    Q_OBJECT

  public:
    explicit AboutBox(QWidget* parent = nullptr);
};

}  // namespace vantir
