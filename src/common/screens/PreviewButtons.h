#pragma once

#include <QPointer>
#include <QString>
#include <functional>
#include <optional>

#include "platform/dataset/Result.h"
#include "platform/report/PageModel.h"

class QHBoxLayout;
class QPushButton;

namespace vantir {

class ReportPreview;
class Screen;

// The two buttons of a print dialog that shows its report in a preview: the print button
// lays the report out from the dialog's fields and opens its preview (one at a time, the
// one before closed), the close button closes the dialog, and the preview goes with it.
class PreviewButtons {
  public:
    // layOut reads the dialog's fields and gives the pages, or nothing when the dialog's
    // report prints nothing; what it throws reaches the user as the print button's
    // refusal: a PrintError as a notice ("該当するデータがありません。"), a ReportError or
    // DbError as an error. The screen must outlive this.
    PreviewButtons(Screen& screen, std::function<std::optional<PageModel>()> layOut);

    // The print (btnPrint) and close (btnClose) buttons side by side.
    QHBoxLayout* makeButtons(const QString& printCaption, const QString& closeCaption);
    QPushButton* printButton() const { return print_; }
    QPushButton* closeButton() const { return close_; }
    ReportPreview* preview() const { return preview_; }

  private:
    Result print();

    Screen& screen_;
    std::function<std::optional<PageModel>()> layOut_;
    QPushButton* print_ = nullptr;
    QPushButton* close_ = nullptr;
    QPointer<ReportPreview> preview_;
};

}  // namespace vantir
