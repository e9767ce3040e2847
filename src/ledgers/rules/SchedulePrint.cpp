#include "ledgers/rules/SchedulePrint.h"

#include "common/printing/PrintError.h"
#include "common/printing/PrintoutRegistry.h"
#include "common/printing/ReportLayoutSwitches.h"
#include "common/rules/ClosingMonthPreset.h"

namespace vantir {

namespace {

const QString kTransferSlips = QStringLiteral("QR_Furi_Den");

const QString& checkedReport(const QString& reportName, const PrintoutRegistry& registry) {
    if (reportName == kTransferSlips || registry.names().contains(reportName)) return reportName;
    throw PrintError(QStringLiteral("印刷設定 does not print %1").arg(reportName));
}

}  // namespace

SchedulePrint::SchedulePrint(const QString& reportName, const AppState& state,
                             const PrintoutRegistry& registry, PrintSources sources)
    : reportName_(checkedReport(reportName, registry)),
      state_(state),
      registry_(registry),
      sources_(sources) {}

QString SchedulePrint::openingMonth() { return ClosingMonthPreset::previousMonth(); }

QString SchedulePrint::printout() const { return chosenLayout(reportName_, state_); }

std::optional<PageModel> SchedulePrint::layOut(const QString& month) const {
    if (reportName_ == kTransferSlips) return std::nullopt;
    PrintSelection selection;
    selection.month = month;
    return PrintRunner(registry_, sources_).layOut(printout(), selection);
}

}  // namespace vantir
