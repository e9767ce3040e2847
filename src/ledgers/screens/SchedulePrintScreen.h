#pragma once

#include "common/screens/PreviewButtons.h"
#include "ledgers/rules/SchedulePrint.h"
#include "platform/report/ReportPreview.h"
#include "platform/ui/Screen.h"

class QLineEdit;

namespace vantir {

// The print dialog "印刷設定" of the schedule prints (modes QR_Nyu_Yo, QR_Hari_Yo,
// QR_Hari_Lst, QR_Kake_Rep, QR_Furi_Den): the month 月度 (the month before today when it
// opens), "&P 印刷" to the print preview and "&Q 閉じる"; Enter is swallowed. A print
// first closes the preview of the one before; closing the dialog closes the last one.
class SchedulePrintScreen : public Screen {
    Q_OBJECT

  public:
    // Throws PrintError for a report the dialog does not serve.
    SchedulePrintScreen(const QString& reportName, const AppState& state,
                        const PrintoutRegistry& registry, PrintSources sources, Messages& messages,
                        QWidget* parent = nullptr);

    ReportPreview* preview() const { return buttons_.preview(); }

  private:
    SchedulePrint& print_;
    QLineEdit* month_ = nullptr;
    PreviewButtons buttons_;
};

}  // namespace vantir
