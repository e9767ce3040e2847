#include "monthly/rules/MonthlyReportPrintouts.h"

#include "common/printing/PrintoutRegistry.h"
#include "monthly/rules/LedgerAndKakePrintouts.h"
#include "monthly/rules/ProfitRateTables.h"
#include "monthly/rules/SlipSummaries.h"
#include "monthly/rules/YearlySheets.h"

namespace vantir {

void registerMonthlyReportPrintouts(PrintoutRegistry& registry) {
    for (const auto& family : {slipSummaryPrintouts(), profitRatePrintouts(),
                               yearlySheetPrintouts(), ledgerAndKakePrintouts()})
        for (const Printout& printout : family) registry.add(printout);
}

}  // namespace vantir
