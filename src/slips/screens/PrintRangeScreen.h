#pragma once

#include "common/screens/PreviewButtons.h"
#include "platform/report/ReportPreview.h"
#include "platform/ui/Screen.h"
#include "slips/rules/PrintRange.h"

class QComboBox;
class QDateEdit;
class QLabel;

namespace vantir {

// The print range dialog "印刷範囲選択" (modes SelDate, SelDate2, SelDate3, SelDate4): the
// heading of its printout, one date (today when it opens), the kind of date, "印刷" and
// "閉じる". "印刷" shows the day's printout in a print preview, on the layout the report
// flag chose; closing the dialog closes Q_HIT1QR and the preview it opened.
class PrintRangeScreen : public Screen {
    Q_OBJECT

  public:
    // Throws PrintError for a report name the dialog does not serve.
    PrintRangeScreen(const QString& reportName, const AppState& state,
                     const PrintoutRegistry& registry, PrintSources sources, Messages& messages,
                     QWidget* parent = nullptr);

    ReportPreview* preview() const { return buttons_.preview(); }

  private:
    PrintRange& range_;
    QDateEdit* date_ = nullptr;
    QComboBox* kind_ = nullptr;
    PreviewButtons buttons_;
};

}  // namespace vantir
