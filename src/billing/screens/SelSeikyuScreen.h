#pragma once

#include "billing/rules/SelSeikyuRules.h"
#include "platform/ui/Screen.h"

class QDateEdit;
class QLabel;
class QLineEdit;
class QPushButton;

namespace vantir {

class DatasetGrid;

// The invoice dialog "請求印刷選択" (mode "SelSeikyu"): the closing day, the billing
// period, the customer and the list of the closing day's customers above; the run, its
// copies and the summary with a discount on the buttons. What each control does is in
// SelSeikyuRules; the dialog shows the rules' state after every action.
class SelSeikyuScreen : public Screen {
    Q_OBJECT

  public:
    SelSeikyuScreen(DataModule1& dm1, DataModule2& dm2, const AppState& state, Messages& messages,
                    QWidget* parent = nullptr);

  protected:
    void showEvent(QShowEvent* event) override;

  private:
    // Runs a rule through the command boundary, then shows the state it left.
    template <typename F>
    void act(F&& rule) {
        runCommand(std::forward<F>(rule));
        showState();
    }
    void showState();
    void previewIfNamed(const QString& printout);
    QLineEdit* lineEdit(const char* name, int maxLength);
    QPushButton* button(const char* name, const QString& caption);

    SelSeikyuRules& rules_;
    QLineEdit* sime_ = nullptr;
    QDateEdit* first_ = nullptr;
    QDateEdit* last_ = nullptr;
    QLineEdit* code_ = nullptr;
    QLineEdit* name_ = nullptr;
    QLineEdit* rate_ = nullptr;
    QLineEdit* amount_ = nullptr;
    QList<QWidget*> discountControls_;
    QPushButton* print_ = nullptr;
    QPushButton* copy_ = nullptr;
    QPushButton* total_ = nullptr;
    DatasetGrid* list_ = nullptr;
    bool opened_ = false;
};

}  // namespace vantir
