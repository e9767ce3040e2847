#pragma once

#include "common/screens/PreviewButtons.h"
#include "masters/rules/AddressPrint.h"
#include "platform/report/ReportPreview.h"
#include "platform/ui/Screen.h"

class QLineEdit;

namespace vantir {

// The address print dialog "住所録印刷" (modes QR_Address and QR_Add_LBL): the partner
// codes from ("0") and to ("999999"), "&P 印刷" and "&Q 閉じる". A print first closes the
// preview the previous print opened; closing the dialog closes the last one.
class AddressPrintScreen : public Screen {
    Q_OBJECT

  public:
    // Throws PrintError for a mode the dialog does not serve.
    AddressPrintScreen(const QString& mode, const AppState& state, const PrintoutRegistry& registry,
                       PrintSources sources, Messages& messages, QWidget* parent = nullptr);

    ReportPreview* preview() const { return buttons_.preview(); }

  private:
    AddressPrint& print_;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    PreviewButtons buttons_;
};

}  // namespace vantir
