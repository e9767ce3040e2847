#pragma once

#include <QPointer>
#include <QStringList>

#include "cash/rules/CashPrintRules.h"
#include "common/printing/Printout.h"
#include "platform/ui/Screen.h"

class QComboBox;
class QLineEdit;

namespace vantir {

class PrintoutRegistry;
class ReportPreview;
struct AppState;

// The print dialog 締日選択 of the receipt list (SelSime) and the payment list (SelSime2):
// the closing day with its partners in two lists, the code range, the month, "&P 印刷"
// to the print preview and the close button. A name chosen in the first list sets the
// start of the code range, in the second its end. One preview at a time: the last one
// goes before the next print and with the dialog.
class CashPrintDialog : public Screen {
    Q_OBJECT

  public:
    // Everything passed must outlive the dialog; printouts holds the side's printed lists.
    CashPrintDialog(const CashSide& side, const PrintoutRegistry& printouts, PrintSources sources,
                    const AppState& state, Messages& messages, QWidget* parent = nullptr);
    ~CashPrintDialog() override;

  protected:
    void closeEvent(QCloseEvent* event) override;

  private:
    QComboBox* makePartnerList(const QString& name, QLineEdit* code);
    QLineEdit* makeBox(const QString& name, const QString& text, int length);
    void closingDayChanged();
    Result print();

    CashPrintRules& rules_;
    const PrintoutRegistry& printouts_;
    PrintSources sources_;
    const AppState& state_;
    QLineEdit* sime_ = nullptr;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QLineEdit* month_ = nullptr;
    QComboBox* first_ = nullptr;
    QComboBox* second_ = nullptr;
    QStringList codes_;  // the code of each entry of both lists
    QPointer<ReportPreview> preview_;
};

}  // namespace vantir
