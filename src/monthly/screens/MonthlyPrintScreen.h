#pragma once

#include "common/screens/PreviewButtons.h"
#include "monthly/rules/MonthlyPrintRules.h"
#include "platform/report/ReportPreview.h"
#include "platform/ui/Screen.h"

class QLabel;
class QLineEdit;

namespace vantir {

// The dialog "月次印刷範囲設定" of the eighteen month-based reports, shaped by the report
// name the menu command recorded: 締日, 月度, the code range under the report's label,
// the third row (期間 or 締ﾌﾗｸﾞ with its hint) where the report has one, "&P 印刷" and
// "&Q 閉じる". Enter and Page Down walk the fields to "&P 印刷", Page Up walks back;
// "&Q 閉じる" is skipped by Tab. The report window goes before the next print and with
// the dialog.
class MonthlyPrintScreen : public Screen {
    Q_OBJECT

  public:
    // Throws PrintError for a report name that is not a month-based report.
    MonthlyPrintScreen(const QString& reportName, const PrintoutRegistry& registry,
                       PrintSources sources, Messages& messages, QWidget* parent = nullptr);

    ReportPreview* preview() const { return buttons_.preview(); }

  private:
    QLineEdit* makeBox(const char* name, int length);

    MonthlyPrintRules& rules_;
    QLineEdit* sime_ = nullptr;
    QLineEdit* month_ = nullptr;
    QLineEdit* from_ = nullptr;
    QLineEdit* to_ = nullptr;
    QLineEdit* choice_ = nullptr;
    PreviewButtons buttons_;
};

}  // namespace vantir
